/* A procedure whose navigation keeps an attribute's value: no single
   statement does that, so the lines are read one by one. */
spec_i([proc, 23, 'Finds an invoice''s last line', 'LastLine', 0, 0]).
level_i(1, [3]).
struct_i(1, 0, [invid, lineno], []).
break_i(1, nvg, 0, 0, 0).
lwi_i(1, [[t(invid, 2), t('=', 10), t('&InvId', 23)]]).
b_group_i(1, 0, lit, 0, 0, 0).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']).
attri_i('&InvId', ['&InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i('&Last', ['&Last', int, 3, 0, 'ZZ9']).
b_line_i(1, 1, 0, cmd, 0, [t(for, 121)]).
b_line_i(2, 1, 0, cmd, 0, [t(a, 107), t('&Last', 23), t('=', 10), t(lineno, 2)]).
b_line_i(3, 1, 0, cmd, 0, [t(endfor, 128)]).
rule_i(0, parm(['&InvId', '&Last'], [])).
rule_i(0, prop('DTASRC', "7")).
table_i(3, 'INVLINE').
