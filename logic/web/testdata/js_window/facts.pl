/* A page refreshed every 30 seconds (REFRESH_TOUT) without REFRESH_TOUT_TRIG: its body loads and
   focuses the timer, and no blur stops it. */
spec_i([web, 22, 'Queue monitor', 'Monitor', 0, 0]).
level_i(1, [0]).
struct_i(1, 0, [], []).
attri_i('&Waiting', ['&Waiting', int, 5, 0, 'ZZZZ9']).
rule_i(0, prop('REFRESH_TOUT', 30)).
lit_i(1, 1, t('Waiting', 3), []).
lit_i(2, 1, t('&Waiting', 23), [ctrltype(edit, 0)]).
html_i(1, ctl(1)).
html_i(2, ctl(2)).
