/* A main procedure called over RMI, with a number, a text and an array of numbers. */
spec_i([proc, 7, 'Totals', 'Totals', 0, 0]).
level_i(1, []).
attri_i(total, ['Total', int, 9, 0, 'ZZZZZZZZ9']).
attri_i(label, ['Label', char, 20, 0, '']).
attri_i('&Parts', ['&Parts', int, 9, 0, 'ZZZZZZZZ9']).
rule_i(0, dim('&Parts', [5])).
rule_i(0, parm([total, label, '&Parts'], [])).
rule_i(0, prop('PGMTYPE', main)).
rule_i(0, prop('REMOTE_CALLS', 'SUN_RMI')).
