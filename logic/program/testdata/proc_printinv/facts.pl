/* The sample model's PrintInv (p0002.spc) with its main-program entry (M1.ARI). */
spec_i([proc, 2, 'Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; ', 'PrintInv', 0, 0]).
level_i(1, [invoice]).
struct_i(1, 0, [invid, invdate], []).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']).
rule_i(0, parm([invdate], [])).
table_i(2, 'INVOICE').
rule_i(0, prop('PGMTYPE', main)).
pgm_main_i(proc, 2, 'PrintInv', [11, aprintinv, 'PrintInv', '', '', 'Server']).
