/* Procedure printing the day's invoices. */
spec_i([proc, 2, 'Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; ', 'PrintInv', 0, 0]).
level_i(1, [invoice]).
struct_i(1, 0, [invid, invdate], []).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']).
rule_i(0, parm([invdate], [])).
