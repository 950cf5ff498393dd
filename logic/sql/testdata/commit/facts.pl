/* Transactions are logged; the model has two data stores, the default
   one (DB2) and ORDERS (Oracle), where INVOICE is kept. A level of no
   table commits when &X is above 1, else rolls back: each statement is
   written once for every data store. */
spec_i([proc, 8, 'Close the day', 'PDay', 0, 0]).
model_num_i(1).
pgm_id([8, proc, 'PDay']).
intt_i.
rule_i(0, prop('DTASRC', "5")).
datastore_i([2, 'Orders', 7]).
rule_i(1, p(0, 0, fv, kinv, [table, 2])).
rule_i(1, p(0, 0, fv, kinv, [datastore, 2])).
table_i(1, 'CUSTOMER').
table_i(2, 'INVOICE').
attri_i('&X', ['&X', int, 9, 0, '']).
level_i(1, [0, [], [], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [], []).
b_group_i(1, 1, cmd, 0, 0, 0).
b_line_i(1, 1, 1, cmd, 0, [t(if, 109), t('&X', 23), t('>', 10), t('1', 3)]).
b_line_i(2, 1, 1, cmd, 0, [t(commit, 132)]).
b_line_i(3, 1, 1, cmd, 0, [t(else, 110)]).
b_line_i(4, 1, 1, cmd, 0, [t(rollback, 157)]).
b_line_i(5, 1, 1, cmd, 0, [t(endif, 111)]).
