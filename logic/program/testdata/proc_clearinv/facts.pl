/* The sample model's ClearInv (p0014.spc) with the external program CustTotals as the
   sample's extprog.ini gives it on the default data store (qedbase: no section of its own). */
spec_i([proc, 14, 'Clears an invoice and totals its customer', 'ClearInv', 0, 0]).
level_i(1, [3]).
level_i(2, []).
struct_i(1, 0, [invid, lineno], []).
break_i(1, nvg, 0, 0, 0).
break_i(2, rpt, 0, 0, 0).
lwi_i(1, [[t(invid, 2), t('=', 10), t('&InvId', 23)]]).
b_group_i(1, 0, lit, 0, 0, 0).
b_group_i(2, 0, lit, 0, 0, 0).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']).
attri_i('&InvId', ['&InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i('&CustId', ['&CustId', int, 6, 0, 'ZZZZZ9']).
attri_i('&Total', ['&Total', int, 9, 0, 'ZZZZZZZZ9']).
b_line_i(1, 1, 0, cmd, 0, [t(for, 121)]).
b_line_i(2, 1, 0, cmd, 0, [t(delete, 113)]).
b_line_i(3, 1, 0, cmd, 0, [t(endfor, 128)]).
b_line_i(4, 2, 0, cmd, 0, [t('call(', 104), t('\'CustTotals\'', 3), t(',', 7), t('&CustId', 23), t(',', 7), t('&Total', 23), t(')', 4)]).
rule_i(0, parm(['&InvId', '&CustId', '&Total'], [])).
table_i(3, 'INVLINE').
external_program_i('CUSTTOTALS', storedprocedure, [qedbase, '', [in, out], []]).
