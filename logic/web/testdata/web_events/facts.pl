/* A web panel refreshed every 30 seconds: the Enter button's refresh test on &FromId (entered
   at the first level), no initial focus, a link to the static pages of another web panel and a
   call of another generator's program. */
spec_i([web, 12, 'Order search', 'Search', 0, 0]).
level_i(1, [0]).
struct_i(1, 0, [], []).
attri_i('&FromId', ['&FromId', int, 4, 0, 'ZZZ9']).
attri_i('&Note', ['&Note', char, 20, 0, '']).
attri_i('&Url', ['&Url', char, 2048, 0, '']).
lac_i(1, ['&FromId']).
rule_i(0, prop(web_auto_focus, 'No')).
rule_i(0, prop('REFRESH_TOUT', 30)).
rule_i(0, prop('REFRESH_TOUT_TRIG', 'FOCUS')).
rule_i(0, prop('WEB_GEN_MODE', 'Dynamic')).
config_i('WEB_GEN_MODE', 'Static').
pgm_gen_i('Legacy', 3).
b_group_i(1, 0, lit, 0, 0, 0).
lit_i(1, 1, window, []).
lit_i(2, 1, t('&FromId', 23), [ctrltype(edit, 0)]).
lit_i(3, 1, t('&Note', 23), [ctrltype(edit, 0)]).
lit_i(4, 1, button('Enter'), [title(['Search'])]).
lit_i(5, 1, button('Go'), [ctlname('GoBtn'), title(['Orders'])]).
html_i(1, text('<p>')).
html_i(2, ctl(2)).
html_i(3, ctl(3)).
html_i(4, ctl(4)).
html_i(5, ctl(5)).
html_i(6, text('</p>')).
b_line_i(1, 1, 0, cmd, 0, [t(event, 146), t('Enter', 3)]).
b_line_i(2, 1, 0, cmd, 0, [t(a, 107), t('&Note', 23), t('=', 10), t('''found''', 3)]).
b_line_i(3, 1, 0, cmd, 0, [t(endevent, 147)]).
b_line_i(4, 1, 0, cmd, 0, [t(event, 146), t('Go', 3)]).
b_line_i(5, 1, 0, cmd, 0, [t(a, 107), t('&Url', 23), t('=', 10), t('link(', 1), t(o(web, 'Orders'), 28), t(',', 7), t('&FromId', 23), t(')', 4)]).
b_line_i(6, 1, 0, cmd, 0, [t(callother, 163), t('''Legacy''', 3), t(',', 7), t('''/old/bin''', 3)]).
b_line_i(7, 1, 0, cmd, 0, [t(endevent, 147)]).
