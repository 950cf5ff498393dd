/* The sample model's InvLines (p0013.spc) with its main-program entry (M1.ARI). */
spec_i([proc, 13, 'Counts the invoice lines of a customer', 'InvLines', 0, 0]).
level_i(1, [2]).
level_i(2, [3]).
struct_i(1, 0, [invid, invdate, custid], []).
struct_i(2, 1, [invid, lineno], []).
break_i(1, nvg, 0, 0, 0).
break_i(2, nvg, 1, 0, 0).
lwi_i(1, [[t(custid, 2), t('=', 10), t('&CustId', 23)]]).
lwi_i(2, [[t(invid, 2), t('=', 10), t('&InvId', 23)]]).
b_group_i(1, 0, lit, 0, 0, 0).
b_group_i(2, 0, lit, 0, 0, 0).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']).
attri_i('&CustId', ['&CustId', int, 6, 0, 'ZZZZZ9']).
attri_i('&Lines', ['&Lines', int, 6, 0, 'ZZZZZ9']).
attri_i('&InvId', ['&InvId', int, 8, 0, 'ZZZZZZZ9']).
b_line_i(1, 2, 0, cmd, 0, [t(for, 121)]).
b_line_i(2, 2, 0, cmd, 0, [t(a, 107), t('&Lines', 23), t('=', 10), t('&Lines', 23), t('+', 5), t('1', 3)]).
b_line_i(3, 2, 0, cmd, 0, [t(endfor, 128)]).
b_line_i(4, 1, 0, cmd, 0, [t(a, 107), t('&InvId', 23), t('=', 10), t(invid, 2)]).
b_line_i(5, 1, 0, cmd, 0, [t('call(', 104), t('\'APrintInv\'', 3), t(',', 7), t(invdate, 2), t(')', 4)]).
rule_i(0, parm(['&CustId', '&Lines'], [])).
rule_i(0, prop('PGMTYPE', main)).
table_i(2, 'INVOICE').
table_i(3, 'INVLINE').
pgm_main_i(proc, 13, 'InvLines', [11, ainvlines, 'InvLines', '', '', '']).
