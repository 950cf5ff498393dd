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
lit_i(1, 1, window, [rect(0,0,399,299), title(['Products'])]).
lit_i(2, 1, s(1), [rect(10,10,389,239), th(20), height(18), ctlname('Products')]).
lit_i(3, 1, s(t(prodid, 2), 1), [width(80)]).
lit_i(4, 1, s(t(proddsc, 2), 1), [width(300)]).
lit_i(5, 1, button('Refresh'), [rect(210,250,289,274)]).
lit_i(6, 1, button('Cancel'), [rect(300,250,379,274)]).
b_line_i(3, 0, 0, cmd, 0, [t('', 146), t([t('Products', 3), t('Click', 0)], 0)]).
b_line_i(4, 0, 0, cmd, 0, [t('', 147)]).
