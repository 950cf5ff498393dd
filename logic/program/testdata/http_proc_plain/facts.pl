/* A main procedure called over HTTP that uses no XML function: its one command counts. */
spec_i([proc, 6, 'Closes a day', 'CloseDay', 0, 0]).
level_i(1, []).
break_i(1, nvg, 0, 0, 0).
b_group_i(1, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, cmd, 0, [t(a, 107), t('&Rc', 23), t('=', 10), t('&Rc', 23), t('+', 5), t('1', 3)]).
attri_i('&Rc', ['&Rc', int, 4, 0, 'ZZZ9']).
rule_i(0, prop('PGMTYPE', main)).
rule_i(0, prop('CALL_PROTOCOL', 'HTTP')).
