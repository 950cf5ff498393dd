/* A web panel with a checkbox, an edit of a number, a named text, the Clear, Cancel and a user
   event's buttons, an event, and a designed part naming a literal the form does not have. */
spec_i([web, 9, 'Settings <and> "options"', 'Settings', 0, 0]).
level_i(1, [0]).
struct_i(1, 0, [], []).
attri_i('&Active', ['&Active', char, 1, 0, '']).
attri_i('&Limit', ['&Limit', int, 7, 2, 'ZZZ9.99']).
b_group_i(1, 0, lit, 0, 0, 0).
lit_i(1, 1, window, []).
tag_i(1, window, in, 'Background', 'back.gif', 0).
lit_i(2, 1, t('Limits', 3), [ctlname('lblHead')]).
lit_i(3, 1, t('&Active', 23), [ctrltype(checkbox, 0)]).
ctrl_info_i(3, ['Y', 'N', 'Active & shown'], 0).
lit_i(4, 1, t('&Limit', 23), [ctrltype(edit, 0)]).
lit_i(5, 1, button('Clear'), []).
lit_i(6, 1, button('Cancel'), []).
lit_i(7, 1, button('Save'), [ctlname('SaveBtn'), title(['Save it'])]).
html_i(1, text('<p>')).
html_i(2, ctl(2)).
html_i(3, ctl(3)).
html_i(4, ctl(4)).
html_i(5, ctl(99)).
html_i(6, ctl(5)).
html_i(7, ctl(6)).
html_i(8, ctl(7)).
html_i(9, text('</p>')).
b_line_i(1, 1, 0, cmd, 0, [t(event, 146), t('Save', 3)]).
b_line_i(2, 1, 0, cmd, 0, [t(a, 107), t('&Limit', 23), t('=', 10), t('0', 3)]).
b_line_i(3, 1, 0, cmd, 0, [t(endevent, 147)]).
attri_i('&Region', ['&Region', char, 10, 0, '']).
lit_i(8, 1, t('&Region', 23), [ctrltype(combo, 0)]).
html_i(10, ctl(8)).
/* A radio of two columns, a wrapped long text, a date, an image with a Click event, a static
   image with a link, user tags around and inside controls and the window's margins. */
attri_i('&Size', ['&Size', int, 1, 0, '']).
lit_i(9, 1, t('&Size', 23), [ctrltype(radio, 2)]).
ctrl_info_i(9, radio, [[1, 'Small'], [2, 'Large'], [3, 'Huge']]).
attri_i('&Notes', ['&Notes', vchar, 200, 0, '']).
lit_i(10, 1, t('&Notes', 23), [ctrltype(edit, 0), wrap, width(300), height(64)]).
grid_i(10, 16).
attri_i('&Due', ['&Due', date, 10, 0, '99/99/9999']).
lit_i(11, 1, t('&Due', 23), [ctrltype(edit, 0)]).
attri_i('&Pic', ['&Pic', bits, 1024, 0, '']).
lit_i(12, 1, t('&Pic', 23), [ctrltype(edit, 0)]).
lit_i(13, 1, bitmap('logo.gif'), [link('http://example.org/?a=1&b=2'), border(2)]).
tag_i(4, edit, pre, 'Pre', '<b>', 0).
tag_i(4, edit, out, 'Out', '</b>', 0).
tag_i(4, edit, in, 'Title', 'A "limit"', 0).
html_tags_i(8, 'class', 'wide').
tag_i(1, window, in, 'Topmargin', '4', 0).
html_i(11, ctl(9)).
html_i(12, ctl(10)).
html_i(13, ctl(11)).
html_i(14, ctl(12)).
html_i(15, ctl(13)).
b_line_i(4, 1, 0, cmd, 0, [t('', 146), t([t('&Pic', 23), t('Click', 0)], 0)]).
b_line_i(5, 1, 0, cmd, 0, [t(a, 107), t('&Limit', 23), t('=', 10), t('1', 3)]).
b_line_i(6, 1, 0, cmd, 0, [t(endevent, 147)]).
