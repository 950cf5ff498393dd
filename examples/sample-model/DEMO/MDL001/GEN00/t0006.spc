/* Transaction Customer: one level over the table CUSTOMER, keyed by CustId,
   that inserts, updates and deletes its row. Its form is in the older
   lit_i/3 form (numbered on loading) with the standard buttons Enter,
   Delete, First and Next and a Cancel button. */
spec_i([trn, 6, 'Customers', 'Customer', 0, 0]).
level_i(1, [1, [1], [custid], [], 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid, custname], []).
ta_i(1, [[custid, custname]]).
table_i(1, 'CUSTOMER').
index_i(1, [icustomer, u, [custid]]).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
a_i(1, 1, t, 1, [], []).
v_i(t, o, 1, [custid, custname]).
upd_i(1, 1, i, [[custid, custname], [], [], [], []]).
upd_i(1, 1, u, [[custname], [], [], [custid], []]).
upd_i(1, 1, d, [[], [], [], [custid], []]).
lit_i(1, window, [rect(0, 0, 399, 159), title(['Customers'])]).
lit_i(1, t(custid, 2), [pos(1, 1), rect(120, 10, 179, 29)]).
lit_i(1, t(custname, 2), [pos(2, 1), rect(120, 40, 359, 59)]).
lit_i(1, button('Enter'), [pos(4, 1), rect(10, 100, 79, 124)]).
lit_i(1, button('Delete'), [pos(4, 2), rect(90, 100, 159, 124)]).
lit_i(1, button('First'), [pos(4, 3), rect(170, 100, 239, 124)]).
lit_i(1, button('Next'), [pos(4, 4), rect(250, 100, 319, 124)]).
lit_i(1, button('Cancel'), [pos(4, 5), rect(330, 100, 389, 124)]).
