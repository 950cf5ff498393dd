/* Transaction without an Enter button: it gets the placeholder class. */
spec_i([trn, 6, 'Customers', 'Customer', 0, 0]).
level_i(1, [customer]).
struct_i(1, 0, [custid, custname], []).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
lit_i(1, t(custid, 2), [pos(1, 1)]).
lit_i(1, t(custname, 2), [pos(2, 1)]).
lit_i(1, button('Cancel'), [pos(4, 1)]).
