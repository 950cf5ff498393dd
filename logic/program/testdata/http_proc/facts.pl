/* A main procedure called over HTTP that answers in XML: its one command starts the XML
   document. */
spec_i([proc, 6, 'Closes a day', 'CloseDay', 0, 0]).
level_i(1, []).
break_i(1, nvg, 0, 0, 0).
b_group_i(1, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, cmd, 0, [t(a, 107), t('&Rc', 23), t('=', 10), t('xmlstart(', 1), t('''Day''', 3), t(')', 4)]).
attri_i('&Rc', ['&Rc', int, 4, 0, 'ZZZ9']).
rule_i(0, prop('PGMTYPE', main)).
rule_i(0, prop('CALL_PROTOCOL', 'HTTP')).
rule_i(0, parm(['&Day'], x)).
attri_i('&Day', ['&Day', date, 8, 0, '']). 
