/* The web panel Customers calls PrintInv; no static client folder is set. */
spec_i([web, 1, 'Customer list on the web', 'Customers', 0, 0]).
level_i(1, [0]).
pgm_main_i(web, 1, 'Customers', [11, hcustomers, 'Customers', '', '', '']).
/* What the programs' classes need, as the state file keeps it: PrintInv
   uses INVLINE, whose classes need those of INVOICE. */
ij_object_dependency(pprintinv, [], [3]).
ij_table_def(2, dbcINVOICE, supcINVOICE, []).
ij_table_def(3, dbcINVLINE, supcINVLINE, [2]).
config_i('SERVLET_DIR', "servlets").
config_i('DMENU_MAK', "NO").
