/* A web panel with an int, a date and a char parameter, generated as static pages. */
spec_i([web, 7, 'Orders of a customer', 'Orders', 0, 0]).
level_i(1, [0]).
struct_i(1, 0, [], []).
attri_i('&CustId', ['&CustId', int, 6, 0, 'ZZZZZ9']).
attri_i('&Since', ['&Since', date, 8, 0, '99/99/99']).
attri_i('&Region', ['&Region', char, 10, 0, '@!']).
rule_i(0, parm(['&CustId', '&Since', '&Region'], [])).
rule_i(0, prop('WEB_GEN_MODE', 'Static')).
lit_i(1, 1, window, []).
lit_i(2, 1, t('Orders since', 3), []).
lit_i(3, 1, t('&Region', 23), [ctrltype(edit, 0)]).
lit_i(4, 1, button('Enter'), [title(['Search'])]).
html_i(1, text('<h1>Orders</h1>')).
html_i(2, ctl(2)).
html_i(3, ctl(3)).
html_i(4, ctl(4)).
