/* Report of the customers by region. */
spec_i([rpt, 3, 'Customers by region', 'CustList', 0, 0]).
level_i(1, [customer]).
struct_i(1, 0, [custid, custname], []).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
