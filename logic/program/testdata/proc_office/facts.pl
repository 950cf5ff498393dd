/* A procedure that opens and closes a workbook through the office module
   (USE_QNOFFICE Y): every call ends with an output status. */
spec_i([proc, 27, 'Opens a workbook', 'OpenBook', 0, 0]).
level_i(1, []).
break_i(1, rpt, 0, 0, 0).
b_group_i(1, 0, lit, 0, 0, 0).
attri_i('&File', ['&File', char, 40, 0, '']).
attri_i('&Handle', ['&Handle', int, 9, 0, 'ZZZZZZZZ9']).
attri_i('&Status', ['&Status', int, 9, 0, 'ZZZZZZZZ9']).
b_line_i(1, 1, 0, cmd, 0, [t('call(', 104), t('\'qnxopen\'', 3), t(',', 7), t('&File', 23), t(',', 7), t('&Status', 23), t(')', 4)]).
b_line_i(2, 1, 0, cmd, 0, [t('call(', 104), t('\'qnxclose\'', 3), t(',', 7), t('&Handle', 23), t(',', 7), t('&Status', 23), t(')', 4)]).
rule_i(0, prop('USE_QNOFFICE', 'Y')).
