/* Web panel listing the customers from a first number on; an image beside the number opens
   CustPick for it; the page refreshes itself every minute while it has the focus. */
spec_i([web, 1, 'Customer list on the web', 'Customers', 0, 0]).
level_i(1, [0]).
level_i(2, [1, [1], [custid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [], []).
struct_i(2, 1, [custid, custname], []).
repeat_i(2, [custid, custname]).
sf_break_i(2, 1).
start_i(2, 0, 0, [[[custid, 2, '&MinId', '>=']], many]).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&MinId', ['&MinId', int, 6, 0, 'ZZZZZ9']).
attri_i('&Since', ['&Since', date, 8, 0, '99/99/99']).
table_i(1, 'CUSTOMER').
rule_i(0, prop('REFRESH_TOUT', 60)).
rule_i(0, prop('REFRESH_TOUT_TRIG', 'FOCUS')).
rule_i(1, prompt([[1], web, imgPick, 0, [t(o(web, 'CustPick'), 28), t('&MinId', 23)]])).
lit_i(1, 1, t('Customers', 3), [font('Arial', 18, [bold]), fore(rgb(0, 64, 128))]).
lit_i(2, 1, s(1), []).
lit_i(3, 1, s(t(custid, 2), 1), [title(['Number'])]).
lit_i(4, 1, s(t(custname, 2), 1), [title(['Name'])]).
lit_i(5, 1, t('&MinId', 23), [ctrltype(edit, 0)]).
lit_i(6, 1, button('Enter'), [title(['Show'])]).
lit_i(7, 1, bitmap('prompt.gif'), [ctlname(imgPick)]).
lit_i(8, 1, t('&Since', 23), [ctrltype(edit, 0)]).
html_i(1, text('<h1>')).
html_i(2, ctl(1)).
html_i(3, text('</h1><p>From number ')).
html_i(4, ctl(5)).
html_i(5, ctl(7)).
html_i(6, text(' customer since ')).
html_i(7, ctl(8)).
html_i(8, ctl(6)).
html_i(9, text('</p>')).
html_i(10, sfl(2)).
lac_i(1, ['&MinId']).
