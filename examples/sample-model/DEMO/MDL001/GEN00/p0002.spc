/* Procedure printing the day's invoices. */
spec_i([proc, 2, 'Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; ', 'PrintInv', 0, 0]).
/* For each INVOICE from the given date on, with the CUSTOMER of its CUSTID read. */
level_i(1, [invoice, [invoice, customer], [invdate], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [invid, invdate, custid, custname], []).
start_i(1, many, 0, [[[invdate, '>=', invdate]]]).
a_i(1, 1, r, customer, 0, [custid, custname]).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&Count', ['&Count', int, 6, 0, '', 1]).
b_group_i(1, 1, cmd, 0, 0, 0).
b_line_i(1, 1, 1, cmd, 0, [t(a, 107), t('&Count', 23), t('=', 10), t('&Count', 23), t('+', 5), t('1', 3)]).
rule_i(0, parm([invdate], [])).
table_i(2, 'INVOICE').
rule_i(0, prop('PGMTYPE', main)).
