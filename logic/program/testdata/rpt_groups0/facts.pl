/* A report whose title and total are printed outside the FOR EACH (the groups of level 0, before
   and after the loop), whose subroutine is written among the lines of the FOR EACH's level, and
   whose page header (level 0) and page footer (level 1) groups have the same number, 2. */
spec_i([rpt, 3, 'Customers by region', 'CustList', 0, 0]).
level_i(1, [1, [1], [custname], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid, custname], []).
break_i(1, nvg, 0, 0, 0).
start_i(1, 0, 0, [[[custid, 2, '&From', '>=']], many]).
b_group_i(0, 2, page, 0, 0, 0).
b_group_i(0, 0, lit, 0, 0, 0).
b_group_i(1, 0, lit, 0, 0, 0).
b_group_i(1, 2, foot, 0, 0, 0).
b_group_i(0, 1, lit, 0, 0, 0).
b_line_i(1, 0, 2, line, 0, [pb(1)]).
b_line_i(2, 0, 0, line, 0, [pb(1)]).
b_line_i(3, 1, 0, line, 0, [pb(2)]).
b_line_i(4, 1, 0, cmd, 0, [t(do, 145), t('Tally', 3)]).
b_line_i(5, 1, 0, cmd, 0, [t(sub, 143), t('Tally', 3)]).
b_line_i(6, 1, 0, cmd, 0, [t(a, 107), t('&Count', 23), t('=', 10), t('&Count', 23), t('+', 5), t('1', 3)]).
b_line_i(7, 1, 0, cmd, 0, [t(endsub, 144)]).
b_line_i(8, 1, 2, line, 0, [pb(3)]).
b_line_i(9, 0, 1, line, 0, [pb(3)]).
/* Title. */
lit_i(1, 1, window, [rectpixels([0, 0, 640, 20])]).
lit_i(2, 1, t('''Customers''', 3), [rect(0, 0, 400, 16), font('Arial', 12, [bold])]).
/* Detail. */
lit_i(3, 2, window, [rectpixels([0, 0, 640, 20])]).
lit_i(4, 2, t(custname, 2), [rect(0, 2, 400, 18), font('Arial', 10, [])]).
/* Total. */
lit_i(5, 3, window, [rectpixels([0, 0, 640, 20])]).
lit_i(6, 3, t('&Count', 23), [rect(0, 2, 60, 18), font('Arial', 10, [])]).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&From', ['&From', int, 6, 0, 'ZZZZZ9']).
attri_i('&Count', ['&Count', int, 6, 0, 'ZZZZZ9']).
rule_i(0, parm(['&From', '&Count'], [])).
table_i(1, 'CUSTOMER').
