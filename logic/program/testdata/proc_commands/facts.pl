/* A procedure of commands: a message, a status with the status bar on, a
   confirmation defaulting to no, a commit and a rollback, a direct SQL
   statement, a RETURN inside a condition and one last before a subroutine,
   the subroutine called and defined, and the events Start and Exit. */
spec_i([proc, 28, 'Runs commands', 'Commands', 0, 0]).
level_i(1, []).
break_i(1, rpt, 0, 0, 0).
b_group_i(1, 0, lit, 0, 0, 0).
attri_i('&Count', ['&Count', int, 6, 0, 'ZZZZZ9']).
b_line_i(1, 1, 0, cmd, 0, [t('msg(', 141), t('\'Starting\'', 3), t(')', 4)]).
b_line_i(2, 1, 0, cmd, 0, [t('msg(', 141), t('\'Working\'', 3), t(',', 7), t(status, 3), t(')', 4)]).
b_line_i(3, 1, 0, cmd, 0, [t(confirm, 151), t('\'Go on?\'', 3), t(',', 7), t('N', 3)]).
b_line_i(4, 1, 0, cmd, 0, [t(commit, 132)]).
b_line_i(5, 1, 0, cmd, 0, [t(rollback, 157)]).
b_line_i(6, 1, 0, cmd, 0, [t(sql, 167), t('DELETE FROM INVLINE', 3)]).
b_line_i(7, 1, 0, cmd, 0, [t(do, 145), t('Recount', 3)]).
b_line_i(8, 1, 0, cmd, 0, [t(if, 109), t('&Count', 23), t('>', 10), t('100', 3)]).
b_line_i(9, 1, 0, cmd, 0, [t(return, 118)]).
b_line_i(10, 1, 0, cmd, 0, [t(endif, 111)]).
b_line_i(11, 1, 0, cmd, 0, [t(return, 118)]).
b_line_i(12, 1, 0, cmd, 0, [t(sub, 143), t('Recount', 3)]).
b_line_i(13, 1, 0, cmd, 0, [t(a, 107), t('&Count', 23), t('=', 10), t('0', 3)]).
b_line_i(14, 1, 0, cmd, 0, [t(endsub, 144)]).
b_line_i(15, 1, 0, cmd, 0, [t(event, 146), t('Start', 3)]).
b_line_i(16, 1, 0, cmd, 0, [t(a, 107), t('&Count', 23), t('=', 10), t('1', 3)]).
b_line_i(17, 1, 0, cmd, 0, [t(endevent, 147)]).
b_line_i(18, 1, 0, cmd, 0, [t(event, 146), t('Exit', 3)]).
b_line_i(19, 1, 0, cmd, 0, [t('msg(', 141), t('\'Done\'', 3), t(')', 4)]).
b_line_i(20, 1, 0, cmd, 0, [t(endevent, 147)]).
rule_i(0, prop('STATUSBAR', always)).
rule_i(0, prop('DTASRC', "7")).
intt_i.
