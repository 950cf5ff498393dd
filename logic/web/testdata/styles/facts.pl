/* Styles: a heading in a bold italic coloured font on a filled background and a label with a
   back colour but no fill (classes); an edit underlined and struck through; an edit whose colour
   the Start event changes (its style built at run time); a subfile column's title font and
   colours. */
spec_i([web, 24, 'Styled customers', 'Styled', 0, 0]).
level_i(1, [0]).
level_i(2, [1, [1], [custid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [], []).
struct_i(2, 1, [custid, custname], []).
repeat_i(2, [custid, custname]).
sf_break_i(2, 1).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&Code', ['&Code', char, 10, 0, '']).
attri_i('&Alert', ['&Alert', char, 20, 0, '']).
table_i(1, 'CUSTOMER').
b_group_i(1, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, cmd, 0, [t(event, 146), t('Start', 3)]).
b_line_i(2, 1, 0, cmd, 0, [t(a, 107), t([t('&Alert', 23), t('Forecolor', 2)], 29), t('=', 10), t('rgb(', 1), t(255, 3), t(',', 7), t(0, 3), t(',', 7), t(0, 3), t(')', 4)]).
b_line_i(3, 1, 0, cmd, 0, [t(endevent, 147)]).
lit_i(1, 1, t('Styled', 3), [font('Arial', 16, [bold, italic]), fore(rgb(128, 0, 0)), back(rgb(255, 255, 192)), fill]).
lit_i(2, 1, t('Plain back', 3), [font('Times New Roman', 10, []), back(rgb(0, 0, 255))]).
lit_i(3, 1, t('&Code', 23), [ctrltype(edit, 0), font('Courier New', 9, [underline, strikethru])]).
lit_i(4, 1, t('&Alert', 23), [ctrltype(edit, 0), font('Verdana', 10, [bold]), fore(rgb(0, 128, 0))]).
lit_i(5, 1, s(1), []).
lit_i(6, 1, s(t(custid, 2), 1), [title(['Number']), titlefont(font('Georgia', 11, [bold])), tfore(rgb(255, 255, 255)), tback(rgb(0, 0, 128))]).
lit_i(7, 1, s(t(custname, 2), 1), [title(['Name'])]).
html_i(1, text('<h1>')).
html_i(2, ctl(1)).
html_i(3, text('</h1><p>')).
html_i(4, ctl(2)).
html_i(5, ctl(3)).
html_i(6, ctl(4)).
html_i(7, text('</p>')).
html_i(8, sfl(5)).
