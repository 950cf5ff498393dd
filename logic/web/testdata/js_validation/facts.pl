/* Two integer inputs, a decimal and a date: the page asks valid_integer once, valid_decimal and
   the date script. */
spec_i([web, 21, 'Order checks', 'OrderChk', 0, 0]).
level_i(1, [0]).
struct_i(1, 0, [], []).
attri_i('&Qty', ['&Qty', int, 4, 0, 'ZZZ9']).
attri_i('&Lines', ['&Lines', int, 3, 0, 'ZZ9']).
attri_i('&Price', ['&Price', int, 9, 2, 'ZZZZZ9.99']).
attri_i('&Due', ['&Due', date, 8, 0, '99/99/99']).
lit_i(1, 1, t('&Qty', 23), [ctrltype(edit, 0)]).
lit_i(2, 1, t('&Lines', 23), [ctrltype(edit, 0)]).
lit_i(3, 1, t('&Price', 23), [ctrltype(edit, 0)]).
lit_i(4, 1, t('&Due', 23), [ctrltype(edit, 0)]).
lit_i(5, 1, button('Enter'), [title(['Check'])]).
html_i(1, text('<p>Quantity ')).
html_i(2, ctl(1)).
html_i(3, text(' lines ')).
html_i(4, ctl(2)).
html_i(5, text(' price ')).
html_i(6, ctl(3)).
html_i(7, text(' due ')).
html_i(8, ctl(4)).
html_i(9, ctl(5)).
html_i(10, text('</p>')).
