/* Report of the customers from a given number on, by name: FOR EACH CUSTOMER ordered by CustName,
   counting them in &Count and printing a page header, a line per customer and a page footer with
   the count; layout facts for the page set-up; commands among the print lines. */
spec_i([rpt, 3, 'Customers by region', 'CustList', 0, 0]).
level_i(1, [1, [1], [custname], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid, custname], []).
break_i(1, nvg, 0, 0, 0).
start_i(1, 0, 0, [[[custid, 2, '&From', '>=']], many]).
b_group_i(1, 1, page, 0, 0, 0).
b_group_i(1, 0, lit, 0, 0, 0).
b_group_i(1, 2, foot, 0, 0, 0).
b_line_i(1, 1, 1, line, 0, [pb(1)]).
b_line_i(2, 1, 0, cmd, 0, [t(cp, 131), t('5', 3)]).
b_line_i(3, 1, 0, line, 0, [pb(2)]).
b_line_i(4, 1, 0, line, 0, []).
b_line_i(5, 1, 0, cmd, 0, [t(a, 107), t('&Count', 23), t('=', 10), t('&Count', 23), t('+', 5), t('1', 3)]).
b_line_i(6, 1, 0, cmd, 0, [t(noskip, 101)]).
b_line_i(7, 1, 0, cmd, 0, [t(lineno, 102), t('40', 3)]).
b_line_i(8, 1, 0, cmd, 0, [t(eject, 100)]).
b_line_i(9, 1, 2, line, 0, [pb(3)]).
b_line_i(10, 1, 2, cmd, 0, [t(eject, 100)]).
/* Page header: a title in a bold font, the logo, a rule under both. */
lit_i(1, 1, window, [rectpixels([0, 0, 640, 48]), rect([0, 0, 9600, 720])]).
lit_i(2, 1, t('''Customers\nby region''', 3), [rect(80, 0, 400, 16), font('Arial', 12, [bold, underline]), fore(rgb(0, 0, 128)), align(center)]).
lit_i(3, 1, bitmap('C:\\Model\\Images\\Logo.BMP'), [rect(0, 0, 64, 32)]).
lit_i(4, 1, rect, [rect(0, 40, 640, 40), bwidth(2)]).
/* Detail: the number with its picture, the name wrapped and unclipped, a box behind. */
lit_i(5, 2, window, [rectpixels([0, 0, 640, 20]), rect([0, 0, 9600, 300])]).
lit_i(6, 2, t(custid, 2), [rect(0, 2, 60, 18), font('Courier New', 10, [])]).
lit_i(7, 2, t(custname, 2), [rect(70, 2, 400, 18), font('Courier New', 10, []), wrap, noclip]).
lit_i(8, 2, rect, [rect(0, 0, 640, 20), border(1), fill(true), back('&HE0E0E0&')]).
/* Page footer: the count so far. */
lit_i(9, 3, window, [rectpixels([0, 0, 640, 20])]).
lit_i(10, 3, t('''Count:''', 3), [rect(0, 2, 60, 18), font('Arial', 8, [italic])]).
lit_i(11, 3, t('&Count', 23), [rect(70, 2, 130, 18), font('Arial', 8, [italic])]).
ppi_i([100, 100]).
grid_i(8, 20).
page_layout_i([60, 1, 3]).
paper_info_i([0, 9, 0, 2100, 2970, 0, 0, 0, 0, 0]).
rule_i(0, prt('''Laser''', 0)).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&From', ['&From', int, 6, 0, 'ZZZZZ9']).
attri_i('&Count', ['&Count', int, 6, 0, 'ZZZZZ9']).
rule_i(0, parm(['&From', '&Count'], [])).
table_i(1, 'CUSTOMER').
