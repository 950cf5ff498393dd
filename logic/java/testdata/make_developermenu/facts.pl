/* The developer menu's make file alone (MENU_MAK NO): the programs of the
   model's program files and what they call. */
spec_i([proc, 13, 'Counts invoice lines', 'InvLines', 0, 0]).
level_i(1, []).
rule_i(0, prop('PGMTYPE', main)).
pgm_main_i(proc, 13, 'InvLines', [11, ainvlines, 'InvLines', '', '', '']).
/* What the programs' classes need, as the state file keeps it: PrintInv
   uses INVLINE, whose classes need those of INVOICE. */
ij_object_dependency(pprintinv, [], [3]).
ij_table_def(2, dbcINVOICE, supcINVOICE, []).
ij_table_def(3, dbcINVLINE, supcINVLINE, [2]).
config_i('PACKAGE', "com.demo").
config_i('MENU_MAK', "NO").
