/* The ordered DB2 level of for_update in a transaction: a transaction
   never gets the double SELECT, its one SELECT keeps the order. */
spec_i([trn, 4, 'Customers', 'TCust', 0, 0]).
model_num_i(1).
pgm_id([4, trn, 'TCust']).
rule_i(0, prop('DTASRC', "5")).
table_i(1, 'CUSTOMER').
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i(custdate, ['CustDate', date, 8, 0, '99/99/99']).
attri_i('&Since', ['&Since', date, 8, 0, '99/99/99']).
index_i(1, [icust, u, [custid]]).
level_i(1, [1, [1], [custname], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid, custname, custdate], []).
upd_i(1, 1, u, [[custdate], [], [], [], []]).
