/* The web panel Customers calls PrintInv; it runs as a servlet: its make
   file copies the classes and configuration files to the servlet folder and
   the client scripts to the static folder, whose name has a blank. */
spec_i([web, 1, 'Customer list on the web', 'Customers', 0, 0]).
level_i(1, [0]).
pgm_main_i(web, 1, 'Customers', [11, hcustomers, 'Customers', '', '', '']).
/* What the programs' classes need, as the state file keeps it: PrintInv
   uses INVLINE, whose classes need those of INVOICE. */
ij_object_dependency(pprintinv, [], [3]).
ij_table_def(2, dbcINVOICE, supcINVOICE, []).
ij_table_def(3, dbcINVLINE, supcINVLINE, [2]).
config_i('PACKAGE', "com.demo").
config_i('SERVLET_DIR', "servlets").
config_i('CLIENT_STATIC_DIR', "static files").
config_i('DMENU_MAK', "NO").
