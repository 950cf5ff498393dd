/* A level on INVOICE that reads each invoice's customer (an outer join:
   an invoice without its customer is kept) and keeps the invoices of
   customers named after &Name, joined into one SELECT on oracle7. */
spec_i([proc, 5, 'Invoices by customer', 'PInv', 0, 0]).
model_num_i(1).
pgm_id([5, proc, 'PInv']).
rule_i(0, prop('DTASRC', "7")).
rule_i(0, prop('JOIN_TYPE', 'outer')).
table_i(1, 'CUSTOMER').
table_i(2, 'INVOICE').
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']).
attri_i('&Name', ['&Name', char, 30, 0, '']).
index_i(1, [icust, u, [custid]]).
index_i(2, [iinv, u, [invid]]).
level_i(1, [2, [2], [invid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [invid, invdate, custid], []).
a_i(t1, 1, t, 2, x, []).
v_i(t, o, t1, [invid, invdate, custid]).
a_i(r1, 1, r, 1, x, [[[2, custid, custid]]]).
v_i(r, i, r1, [custid]).
v_i(r, o, r1, [custname]).
a_i(c1, 1, c, 0, x, [t(custname, 2), t('>=', 10), t('&Name', 23)]).
v_i(c, i, c1, [custname]).
