/* Procedure printing the day's invoices. */
spec_i([proc, 2, 'Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; ', 'PrintInv', 0, 0]).
/* For each INVOICE (table 2) from the given date on, in order of its date, with the CUSTOMER
   (table 1) of its CustId read: the read joins the level's SELECT. */
level_i(1, [2, [2, 1], [invdate], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [invid, invdate, custid], []).
break_i(1, nvg, 0, 0, 0).
start_i(1, 0, 0, [[[invdate, 2, invdate, '>=']], many]).
a_i(1, 1, t, 2, 0, []).
v_i(t, o, 1, [invid, invdate, custid]).
a_i(2, 1, r, 1, 0, [[[2, custid, custid]]]).
v_i(r, i, 2, [custid]).
v_i(r, o, 2, [custname]).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&Count', ['&Count', int, 6, 0, 'ZZZZZ9']).
b_group_i(1, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, cmd, 0, [t(a, 107), t('&Count', 23), t('=', 10), t('&Count', 23), t('+', 5), t('1', 3)]).
rule_i(0, parm([invdate], [])).
rule_i(0, prop('PGMTYPE', main)).
table_i(1, 'CUSTOMER').
table_i(2, 'INVOICE').
