/* Web panel a prompt opens: the customers, a click on a line's number hands it back to the
   opener. */
spec_i([web, 15, 'Pick a customer', 'CustPick', 0, 0]).
level_i(1, [0]).
level_i(2, [1, [1], [custid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [], []).
struct_i(2, 1, [custid, custname], []).
repeat_i(2, [custid, custname]).
sf_break_i(2, 1).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&CustId', ['&CustId', int, 6, 0, 'ZZZZZ9']).
table_i(1, 'CUSTOMER').
rule_i(0, parm(['&CustId'], [])).
b_group_i(1, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, cmd, 0, [t(event, 146), t('Enter', 3)]).
b_line_i(2, 1, 0, cmd, 0, [t(a, 107), t('&CustId', 23), t('=', 10), t(custid, 2)]).
b_line_i(3, 1, 0, cmd, 0, [t(return, 118)]).
b_line_i(4, 1, 0, cmd, 0, [t(endevent, 147)]).
lit_i(1, 1, t('Pick a customer', 3), [font('Arial', 14, [bold])]).
lit_i(2, 1, s(1), []).
lit_i(3, 1, s(t(custid, 2), 1), [title(['Number'])]).
lit_i(4, 1, s(t(custname, 2), 1), [title(['Name'])]).
html_i(1, text('<h2>')).
html_i(2, ctl(1)).
html_i(3, text('</h2>')).
html_i(4, sfl(2)).
