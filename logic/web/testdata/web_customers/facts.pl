/* Web panel listing the customers. */
spec_i([web, 1, 'Customer list on the web', 'Customers', 0, 0]).
level_i(1, [0]).
level_i(2, [1, [1], [custid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [], []).
struct_i(2, 1, [custid, custname], []).
repeat_i(2, [custid, custname]).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
table_i(1, 'CUSTOMER').
lit_i(1, 1, t('Customers', 3), []).
lit_i(2, 1, s(1), []).
