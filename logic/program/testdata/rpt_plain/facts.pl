/* The sample model's CustList (r0003.spc): a report without print lines. */
spec_i([rpt, 3, 'Customers by region', 'CustList', 0, 0]).
level_i(1, [customer]).
struct_i(1, 0, [custid, custname], []).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
table_i(1, 'CUSTOMER').
