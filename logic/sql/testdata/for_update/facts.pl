/* Two ordered levels that update what they read. CUSTOMER is a DB2 table
   (the model's store), which cannot lock in an ordered SELECT: a read-only
   SELECT in order and a locking single-row SELECT by the unique key and
   the order. INVOICE is in the Oracle store ORDERS: one ordered SELECT
   with FOR UPDATE OF its where column and NOWAIT. */
spec_i([proc, 3, 'Reprice', 'PRep', 0, 0]).
model_num_i(1).
pgm_id([3, proc, 'PRep']).
rule_i(0, prop('DTASRC', "5")).
datastore_i([2, 'Orders', 7]).
rule_i(1, p(0, 0, fv, kinv, [table, 2])).
rule_i(1, p(0, 0, fv, kinv, [datastore, 2])).
table_i(1, 'CUSTOMER').
table_i(2, 'INVOICE').
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i(custdate, ['CustDate', date, 8, 0, '99/99/99']).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']).
attri_i(total, ['Total', int, 9, 0, 'ZZZZZZZZ9']).
attri_i('&Id', ['&Id', int, 6, 0, 'ZZZZZ9']).
attri_i('&Since', ['&Since', date, 8, 0, '99/99/99']).
index_i(1, [icust, u, [custid]]).
index_i(2, [iinv, u, [invid]]).
level_i(1, [1, [1], [custname], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid, custname, custdate], []).
upd_i(1, 1, u, [[custdate], [], [], [], []]).
b_group_i(1, 1, cmd, 0, 0, 0).
b_line_i(1, 1, 1, cmd, 0, [t(a, 107), t(custdate, 2), t('=', 10), t('&Since', 23)]).
level_i(2, [2, [2], [invdate], 0, 0, 0, [], 0, 0, []]).
start_i(2, 0, 0, [[[custid, 23, '&Id', '=']], many]).
struct_i(2, 0, [invid, invdate, custid, total], []).
upd_i(2, 2, u, [[total], [], [], [], []]).
b_group_i(2, 1, cmd, 0, 0, 0).
b_line_i(2, 2, 1, cmd, 0, [t(a, 107), t(total, 2), t('=', 10), t('0', 3)]).
