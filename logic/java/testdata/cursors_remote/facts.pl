/* The statements of the case cursors in a program with remote calls: each
   cursor class is a source of its own, and its methods send the statement
   to the server when the data base is remote. */
spec_i([proc, 21, 'Adds up and deletes an invoice''s lines', 'LineTotals', 0, 0]).
level_i(1, [3]).
level_i(2, [3]).
struct_i(1, 0, [invid, lineno, qty], []).
struct_i(2, 0, [invid, lineno], []).
ta_i(1, [[[3, invid], [3, lineno], [3, qty]]]).
break_i(1, nvg, 0, 0, 0).
break_i(2, nvg, 0, 0, 0).
break_i(3, rpt, 0, 0, 0).
lwi_i(1, [[t(invid, 2), t('=', 10), t('&InvId', 23)], [t(lineno, 2), t('>=', 10), t('&From', 23)]]).
lwi_i(2, [[t(invid, 2), t('=', 10), t('&InvId', 23)]]).
b_group_i(1, 0, lit, 0, 0, 0).
b_group_i(2, 0, lit, 0, 0, 0).
b_group_i(3, 0, lit, 0, 0, 0).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']).
attri_i(qty, ['Qty', int, 5, 0, 'ZZZZ9']).
attri_i('&InvId', ['&InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i('&From', ['&From', int, 3, 0, 'ZZ9']).
attri_i('&Total', ['&Total', int, 9, 0, 'ZZZZZZZZ9']).
attri_i('&N', ['&N', int, 6, 0, 'ZZZZZ9']).
b_line_i(1, 1, 0, cmd, 0, [t(for, 121)]).
b_line_i(2, 1, 0, cmd, 0, [t(a, 107), t('&Total', 23), t('=', 10), t('&Total', 23), t('+', 5), t(qty, 2)]).
b_line_i(3, 1, 0, cmd, 0, [t(a, 107), t('&N', 23), t('=', 10), t('&N', 23), t('+', 5), t('1', 3)]).
b_line_i(4, 1, 0, cmd, 0, [t(endfor, 128)]).
b_line_i(5, 2, 0, cmd, 0, [t(for, 121)]).
b_line_i(6, 2, 0, cmd, 0, [t(delete, 113)]).
b_line_i(7, 2, 0, cmd, 0, [t(endfor, 128)]).
b_line_i(8, 3, 0, cmd, 0, [t('call(', 104), t('\'Rebuild\'', 3), t(')', 4)]).
rule_i(0, parm(['&InvId', '&From', '&Total', '&N'], [])).
rule_i(0, prop('DTASRC', "7")).
rule_i(0, prop('REMOTE_CALLS', 'SUN_RMI')).
rule_i(0, prop('CS_RPCPGML', "REBUILD")).
table_i(3, 'INVLINE').
