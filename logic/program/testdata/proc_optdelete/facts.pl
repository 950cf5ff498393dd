/* A procedure that deletes one invoice's lines, then every product. */
spec_i([proc, 20, 'Deletes an invoice''s lines and the products', 'DelLines', 0, 0]).
level_i(1, [3]).
level_i(2, [4]).
struct_i(1, 0, [invid, lineno], []).
struct_i(2, 0, [prodid], []).
break_i(1, nvg, 0, 0, 0).
break_i(2, nvg, 0, 0, 0).
lwi_i(1, [[t(invid, 2), t('=', 10), t('&InvId', 23)]]).
b_group_i(1, 0, lit, 0, 0, 0).
b_group_i(2, 0, lit, 0, 0, 0).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']).
attri_i(prodid, ['ProdId', int, 6, 0, 'ZZZZZ9']).
attri_i('&InvId', ['&InvId', int, 8, 0, 'ZZZZZZZ9']).
b_line_i(1, 1, 0, cmd, 0, [t(for, 121)]).
b_line_i(2, 1, 0, cmd, 0, [t(delete, 113)]).
b_line_i(3, 1, 0, cmd, 0, [t(delete, 113)]).
b_line_i(4, 1, 0, cmd, 0, [t(endfor, 128)]).
b_line_i(5, 2, 0, cmd, 0, [t(for, 121)]).
b_line_i(6, 2, 0, cmd, 0, [t(delete, 113)]).
b_line_i(7, 2, 0, cmd, 0, [t(endfor, 128)]).
rule_i(0, parm(['&InvId'], [])).
rule_i(0, prop('DTASRC', "7")).
table_i(3, 'INVLINE').
table_i(4, 'PRODUCT').
