/* A procedure that calls: a generated program with an input and an output
   parameter (twice), system programs of the runtime (an FTP connection and a
   workbook opened without the office module) and a program named at run
   time. */
spec_i([proc, 25, 'Calls other programs', 'CallAll', 0, 0]).
level_i(1, []).
break_i(1, rpt, 0, 0, 0).
b_group_i(1, 0, lit, 0, 0, 0).
attri_i('&Amount', ['&Amount', int, 9, 0, 'ZZZZZZZZ9']).
attri_i('&Tax', ['&Tax', int, 9, 0, 'ZZZZZZZZ9']).
attri_i('&Host', ['&Host', char, 20, 0, '']).
attri_i('&User', ['&User', char, 10, 0, '']).
attri_i('&Pwd', ['&Pwd', char, 10, 0, '']).
attri_i('&File', ['&File', char, 40, 0, '']).
attri_i('&Handle', ['&Handle', int, 9, 0, 'ZZZZZZZZ9']).
attri_i('&PgmName', ['&PgmName', char, 20, 0, '']).
b_line_i(1, 1, 0, cmd, 0, [t('call(', 104), t('\'PCalcTax\'', 3), t(',', 7), t('&Amount', 23), t(',', 7), t('&Tax', 23), t(')', 4)]).
b_line_i(2, 1, 0, cmd, 0, [t('call(', 104), t('\'qnftpcon\'', 3), t(',', 7), t('&Host', 23), t(',', 7), t('&User', 23), t(',', 7), t('&Pwd', 23), t(')', 4)]).
b_line_i(3, 1, 0, cmd, 0, [t('call(', 104), t('\'qnxopen\'', 3), t(',', 7), t('&File', 23), t(',', 7), t('&Handle', 23), t(')', 4)]).
b_line_i(4, 1, 0, cmd, 0, [t('call(', 104), t('&PgmName', 23), t(',', 7), t('&Amount', 23), t(',', 7), t('&Tax', 23), t(')', 4)]).
b_line_i(5, 1, 0, cmd, 0, [t('call(', 104), t('\'PCalcTax\'', 3), t(',', 7), t('&Tax', 23), t(',', 7), t('&Amount', 23), t(')', 4)]).
pgm_parm_i('PCALCTAX', 1, i, [int, 9, 0, 0]).
pgm_parm_i('PCALCTAX', 2, o, [int, 9, 0, 0]).
