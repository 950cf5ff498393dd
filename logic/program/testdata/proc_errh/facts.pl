/* A procedure under an error handler: a default handler (DbErr) and two
   handler commands, one naming ErrProc, one resetting. Its SQL statements
   are of every kind: a navigation that updates PRODUCT (Declare, Update),
   an optimised DELETE (Delete), an optimised group (Fetch) and an optimised
   copy (Insert). */
spec_i([proc, 25, 'Lines under an error handler', 'GuardLines', 0, 0]).
level_i(1, [4]).
level_i(2, [3]).
level_i(3, [3]).
level_i(4, [3]).
level_i(5, [5]).
struct_i(1, 0, [prodid, proddsc], []).
struct_i(2, 0, [invid, lineno], []).
struct_i(3, 0, [invid, lineno, qty], []).
struct_i(4, 0, [invid, lineno, qty], []).
struct_i(5, 4, [hinvid, hline, hqty], []).
ta_i(3, [[[3, invid], [3, lineno], [3, qty]]]).
ta_i(4, [[[3, invid], [3, lineno], [3, qty]]]).
break_i(1, nvg, 0, 0, 0).
break_i(2, nvg, 0, 0, 0).
break_i(3, nvg, 0, 0, 0).
break_i(4, nvg, 0, 0, 0).
break_i(5, ins, 4, 0, 0).
upd_i(1, 4, u, [[proddsc], [], [], [prodid], []]).
lwi_i(2, [[t(invid, 2), t('=', 10), t('&InvId', 23)]]).
lwi_i(3, [[t(invid, 2), t('=', 10), t('&InvId', 23)]]).
lwi_i(4, [[t(invid, 2), t('=', 10), t('&InvId', 23)]]).
b_group_i(1, 0, lit, 0, 0, 0).
b_group_i(2, 0, lit, 0, 0, 0).
b_group_i(3, 0, lit, 0, 0, 0).
b_group_i(4, 0, lit, 0, 0, 0).
b_group_i(5, 0, lit, 0, 0, 0).
index_i(5, [1, u, [hinvid, hline]]).
attri_i(prodid, ['ProdId', int, 6, 0, 'ZZZZZ9']).
attri_i(proddsc, ['ProdDsc', char, 40, 0, '']).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']).
attri_i(qty, ['Qty', int, 5, 0, 'ZZZZ9']).
attri_i(hinvid, ['HInvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(hline, ['HLine', int, 3, 0, 'ZZ9']).
attri_i(hqty, ['HQty', int, 5, 0, 'ZZZZ9']).
attri_i('&InvId', ['&InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i('&Total', ['&Total', int, 9, 0, 'ZZZZZZZZ9']).
b_line_i(1, 1, 0, cmd, 0, [t(errh, 160), t('\'ErrProc\'', 3)]).
b_line_i(2, 1, 0, cmd, 0, [t(a, 107), t(proddsc, 2), t('=', 10), t('\'none\'', 3)]).
b_line_i(3, 1, 0, cmd, 0, [t(errh, 160)]).
b_line_i(4, 2, 0, cmd, 0, [t(for, 121)]).
b_line_i(5, 2, 0, cmd, 0, [t(delete, 113)]).
b_line_i(6, 2, 0, cmd, 0, [t(endfor, 128)]).
b_line_i(7, 3, 0, cmd, 0, [t(for, 121)]).
b_line_i(8, 3, 0, cmd, 0, [t(a, 107), t('&Total', 23), t('=', 10), t('&Total', 23), t('+', 5), t(qty, 2)]).
b_line_i(9, 3, 0, cmd, 0, [t(endfor, 128)]).
b_line_i(10, 4, 0, cmd, 0, [t(for, 121)]).
b_line_i(11, 5, 0, cmd, 0, [t(new, 117)]).
b_line_i(12, 5, 0, cmd, 0, [t(a, 107), t(hinvid, 2), t('=', 10), t(invid, 2)]).
b_line_i(13, 5, 0, cmd, 0, [t(a, 107), t(hline, 2), t('=', 10), t(lineno, 2)]).
b_line_i(14, 5, 0, cmd, 0, [t(a, 107), t(hqty, 2), t('=', 10), t(qty, 2)]).
b_line_i(15, 5, 0, cmd, 0, [t(endnew, 127)]).
b_line_i(16, 4, 0, cmd, 0, [t(endfor, 128)]).
rule_i(0, parm(['&InvId', '&Total'], [])).
rule_i(0, prop('DTASRC', "7")).
rule_i(0, prop('OPTIMIZE_COPY', "a")).
rule_i(1, rule([a(30, ['DbErr'])], 0, 0, 0)).
table_i(3, 'INVLINE').
table_i(4, 'PRODUCT').
table_i(5, 'HISTLINE').
