/* InvLines calls PrintInv and LineTotals, which both use INVLINE. */
spec_i([proc, 13, 'Counts invoice lines', 'InvLines', 0, 0]).
level_i(1, []).
rule_i(0, prop('PGMTYPE', main)).
pgm_main_i(proc, 13, 'InvLines', [11, ainvlines, 'InvLines', '', '', '']).
/* What the programs' classes need, as the state file keeps it: PrintInv
   uses INVLINE, whose classes need those of INVOICE. */
ij_object_dependency(pprintinv, [], [3]).
ij_table_def(2, dbcINVOICE, supcINVOICE, []).
ij_table_def(3, dbcINVLINE, supcINVLINE, [2]).
ij_object_dependency(plinetotals, [], [3]).
config_i('DMENU_MAK', "NO").
