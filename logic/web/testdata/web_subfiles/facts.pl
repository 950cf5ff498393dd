/* A web panel with two subfiles of the customers: the first two customers a row, its lines in
   two alternating colours, a Pick button on each line; the second written by its designed line
   HTML. */
spec_i([web, 1, 'Customer grid', 'Customers', 0, 0]).
level_i(1, [0]).
level_i(2, [1, [1], [custid], 0, 0, 0, [], 0, 0, []]).
level_i(3, [1, [1], [custid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [], []).
struct_i(2, 1, [custid, custname], []).
struct_i(3, 1, [custid, custname], []).
repeat_i(2, [custid, custname]).
repeat_i(3, [custid, custname]).
sf_break_i(2, 1).
sf_break_i(3, 2).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&Note', ['&Note', char, 20, 0, '']).
table_i(1, 'CUSTOMER').
b_group_i(1, 0, lit, 0, 0, 0).
lit_i(1, 1, s(1), [maxcols(2), linesbackcolor(rgb(255, 255, 255)), elinesbackcolor(rgb(238, 238, 238)), border(1)]).
lit_i(2, 1, s(t(custid, 2), 1), [title(['Number'])]).
lit_i(3, 1, s(t(custname, 2), 1), [title(['Name'])]).
lit_i(4, 1, s(button('Pick'), 1), [ctlname('B'), title(['Pick'])]).
lit_i(5, 1, s(2), []).
lit_i(6, 1, s(t(custname, 2), 2), []).
lit_i(7, 1, t('&Note', 23), [ctrltype(edit, 0)]).
html_sub_i(2, 1, text('<b>')).
html_sub_i(2, 2, ctl(6)).
html_sub_i(2, 3, text('</b>')).
html_i(1, ctl(7)).
html_i(2, sfl(1)).
html_i(3, sfl(5)).
b_line_i(1, 1, 0, cmd, 0, [t(event, 146), t('Pick', 3)]).
b_line_i(2, 1, 0, cmd, 0, [t(a, 107), t('&Note', 23), t('=', 10), t('''picked''', 3)]).
b_line_i(3, 1, 0, cmd, 0, [t(endevent, 147)]).
