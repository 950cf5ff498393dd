/* A work panel without events: a label with a quote, a backslash and two
   lines; edits of an int, a char and a date; a rectangle; a bitmap; one
   parameter and MODAL unset. */
spec_i([scr, 20, 'Plain panel', 'Plain', 0, 0]).
level_i(1, [0]).
attri_i(count, ['Count', int, 6, 0, 'ZZZZZ9']).
attri_i('&Name', ['&Name', char, 20, 0, '']).
attri_i('&Day', ['&Day', date, 8, 0, '99/99/99']).
rule_i(0, parm([count], [])).
lit_i(1, 1, window, [rect(0,0,299,199), title(['Plain'])]).
lit_i(2, 1, t('Say "hi" \\ to\nall', 3), [rect(10,10,109,39)]).
lit_i(3, 1, t(count, 2), [rect(120,10,179,29)]).
lit_i(4, 1, t('&Name', 23), [rect(120,40,279,59)]).
lit_i(5, 1, t('&Day', 23), [rect(120,70,179,89)]).
lit_i(6, 1, rect(1), [rect(5,5,289,99), border(1)]).
lit_i(7, 1, bitmap('Logo.BMP'), [rect(10,110,41,141)]).
