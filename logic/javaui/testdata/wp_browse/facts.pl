/* Work panel browsing the products. */
spec_i([scr, 8, 'Browse products', 'Browse', 0, 0]).
level_i(1, [0]).
level_i(2, [product]).
struct_i(1, 0, [], []).
struct_i(2, 1, [prodid, proddsc], []).
repeat_i(2, [prodid, proddsc]).
attri_i(prodid, ['ProdId', int, 6, 0, 'ZZZZZ9']).
attri_i(proddsc, ['ProdDsc', char, 40, 0, '']).
b_line_i(1, 0, 0, cmd, 0, [t('', 146), t(refresh, 2)]).
b_line_i(2, 0, 0, cmd, 0, [t('', 147)]).
