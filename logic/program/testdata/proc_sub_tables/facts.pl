/* A procedure whose subroutine Audit reads the customers itself (the FOR
   EACH of level 2 stands among its lines) while the main FOR EACH of level
   1 reads them too and calls it for each row; Audit prints &Seen through
   the subroutine Note it calls. */
spec_i([proc, 29, 'Audits customers', 'Audit', 0, 0]).
level_i(1, [1, [1], [custname], 0, 0, 0, [], 0, 0, []]).
level_i(2, [1, [1], [custid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid, custname], []).
struct_i(2, 0, [custid], []).
break_i(1, nvg, 0, 0, 0).
break_i(2, nvg, 0, 0, 0).
start_i(1, 0, 0, [[[custid, 2, '&From', '>=']], many]).
start_i(2, 0, 0, [[[custid, 2, '&From', '>=']], many]).
b_group_i(0, 0, lit, 0, 0, 0).
b_group_i(1, 0, lit, 0, 0, 0).
b_group_i(2, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, cmd, 0, [t(a, 107), t('&Name', 23), t('=', 10), t(custname, 2)]).
b_line_i(2, 1, 0, cmd, 0, [t(do, 145), t('Audit', 3)]).
b_line_i(3, 0, 0, cmd, 0, [t(return, 118)]).
b_line_i(4, 0, 0, cmd, 0, [t(sub, 143), t('Audit', 3)]).
b_line_i(5, 2, 0, cmd, 0, [t(a, 107), t('&Count', 23), t('=', 10), t('&Count', 23), t('+', 5), t(custid, 2)]).
b_line_i(6, 0, 0, cmd, 0, [t(do, 145), t('Note', 3)]).
b_line_i(7, 0, 0, cmd, 0, [t(endsub, 144)]).
b_line_i(8, 0, 0, cmd, 0, [t(sub, 143), t('Note', 3)]).
b_line_i(9, 0, 0, cmd, 0, [t('msg(', 141), t('&Seen', 23), t(')', 4)]).
b_line_i(10, 0, 0, cmd, 0, [t(endsub, 144)]).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&From', ['&From', int, 6, 0, 'ZZZZZ9']).
attri_i('&Count', ['&Count', int, 6, 0, 'ZZZZZ9']).
attri_i('&Name', ['&Name', char, 30, 0, '']).
attri_i('&Seen', ['&Seen', char, 20, 0, '']).
rule_i(0, parm(['&From', '&Count'], [])).
table_i(1, 'CUSTOMER').
