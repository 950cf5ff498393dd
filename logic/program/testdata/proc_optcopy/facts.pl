/* A procedure that copies one invoice's lines into HISTLINE, a table with
   a unique index; optimize_copy "a" allows the copy there. */
spec_i([proc, 22, 'Copies an invoice''s lines', 'KeepLines', 0, 0]).
level_i(1, [3]).
level_i(2, [5]).
struct_i(1, 0, [invid, lineno, qty], []).
ta_i(1, [[[3, invid], [3, lineno], [3, qty]]]).
struct_i(2, 1, [hinvid, hline, hqty], []).
break_i(1, nvg, 0, 0, 0).
break_i(2, ins, 1, 0, 0).
lwi_i(1, [[t(invid, 2), t('=', 10), t('&InvId', 23)]]).
b_group_i(1, 0, lit, 0, 0, 0).
b_group_i(2, 0, lit, 0, 0, 0).
index_i(5, [1, u, [hinvid, hline]]).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']).
attri_i(qty, ['Qty', int, 5, 0, 'ZZZZ9']).
attri_i(hinvid, ['HInvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(hline, ['HLine', int, 3, 0, 'ZZ9']).
attri_i(hqty, ['HQty', int, 5, 0, 'ZZZZ9']).
attri_i('&InvId', ['&InvId', int, 8, 0, 'ZZZZZZZ9']).
b_line_i(1, 1, 0, cmd, 0, [t(for, 121)]).
b_line_i(2, 2, 0, cmd, 0, [t(new, 117)]).
b_line_i(3, 2, 0, cmd, 0, [t(a, 107), t(hinvid, 2), t('=', 10), t(invid, 2)]).
b_line_i(4, 2, 0, cmd, 0, [t(a, 107), t(hline, 2), t('=', 10), t(lineno, 2)]).
b_line_i(5, 2, 0, cmd, 0, [t(a, 107), t(hqty, 2), t('=', 10), t(qty, 2)]).
b_line_i(6, 2, 0, cmd, 0, [t(endnew, 127)]).
b_line_i(7, 1, 0, cmd, 0, [t(endfor, 128)]).
rule_i(0, parm(['&InvId'], [])).
rule_i(0, prop('DTASRC', "7")).
rule_i(0, prop('OPTIMIZE_COPY', "a")).
table_i(3, 'INVLINE').
table_i(5, 'HISTLINE').
