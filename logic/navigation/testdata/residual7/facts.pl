/* Seven conditions the SELECT leaves: four in the loop test with the row
   test, three in an inner exit test. */
spec_i([proc, 2, 'Selected invoices', 'PSel', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PSel']).
attri_i('&X', ['&X', int, 9, 0, '', 1]).
attri_i('&S', ['&S', char, 10, 0, '', 1]).
level_i(1, [invoice, [invoice], [invid], 0, 0, 0,
            [[t('&X', 23), t('>', 10), t('1', 3)], [t('&X', 23), t('<', 10), t('100', 3)],
             [t('&X', 23), t('<>', 10), t('7', 3)], [t('&S', 23), t('<>', 10), t('''''', 3)],
             [t('&X', 23), t('>=', 10), t('2', 3)], [t('&S', 23), t('=', 10), t('''A''', 3)],
             [t('&X', 23), t('<=', 10), t('50', 3)]], 0, 0, []]).
struct_i(1, 0, [invid], []).
