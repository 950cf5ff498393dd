/* A main procedure on the server with an input-output number, a date and an array of
   numbers. */
spec_i([proc, 6, 'Closes a day', 'CloseDay', 0, 0]).
level_i(1, []).
attri_i(count, ['Count', int, 6, 0, 'ZZZZZ9']).
attri_i(day, ['Day', date, 8, 0, '99/99/99']).
attri_i('&Hours', ['&Hours', int, 4, 0, 'ZZZ9']).
rule_i(0, dim('&Hours', [7])).
rule_i(0, parm([count, day, '&Hours'], [])).
rule_i(0, prop('PGMTYPE', main)).
rule_i(0, prop('LOCATION', 'Server')).
