/* A work panel whose subfile is not loaded at start-up (LOAD = NO): the
   columns ProdId (an attribute), &Qty (an edit) and &State (a combo); a
   Load event, a button Keep whose event refreshes keeping the lines, a
   Click on the column &Qty and a button Sort whose event sorts by that
   column. Each event sets its own marker &Hit... */
spec_i([scr, 23, 'Order lines', 'Lines', 0, 0]).
rule_i(0, prop('LOAD', 'NO')).
level_i(1, [0]).
attri_i(prodid, ['ProdId', int, 6, 0, 'ZZZZZ9']).
attri_i('&Qty', ['&Qty', int, 4, 0, 'ZZZ9']).
attri_i('&State', ['&State', char, 1, 0, '']).
attri_i('&Note', ['&Note', char, 10, 0, '']).
attri_i('&HitLoad', ['&HitLoad', int, 1, 0, '9']).
attri_i('&HitKeep', ['&HitKeep', int, 1, 0, '9']).
attri_i('&HitQty', ['&HitQty', int, 1, 0, '9']).
attri_i('&HitSort', ['&HitSort', int, 1, 0, '9']).
lit_i(1, 1, window, [rect(0,0,399,299), title(['Lines'])]).
lit_i(2, 1, t('&Note', 23), [rect(10,10,109,29)]).
lit_i(3, 1, s(1), [rect(10,40,389,229), th(20), height(20), ctlname('Lines')]).
lit_i(4, 1, s(t(prodid, 2), 1), [width(80)]).
lit_i(5, 1, s(t('&Qty', 23), 1), [width(60), title(['Qty'])]).
lit_i(6, 1, s(t('&State', 23), 1), [width(60), title(['State']), ctrltype(combo, 0)]).
lit_i(7, 1, button('Keep'), [rect(10,250,89,274), ctlname(keep)]).
lit_i(8, 1, button('Sort'), [rect(100,250,179,274), ctlname(sort)]).
ctrl_info_i(6, combo, [['O', 'Open'], ['C', 'Closed']]).
b_line_i(1, 0, 0, cmd, 0, [t('', 146), t('Load', 2)]).
b_line_i(2, 0, 0, cmd, 0, [t(a, 107), t('&HitLoad', 23), t('=', 10), t('1', 3)]).
b_line_i(3, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(4, 0, 0, cmd, 0, [t('', 146), t('Keep', 2)]).
b_line_i(5, 0, 0, cmd, 0, [t(refresh, 148), t(keep, 2)]).
b_line_i(6, 0, 0, cmd, 0, [t(a, 107), t('&HitKeep', 23), t('=', 10), t('1', 3)]).
b_line_i(7, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(8, 0, 0, cmd, 0, [t('', 146), t([t('&Qty', 23), t('Click', 0)], 0)]).
b_line_i(9, 0, 0, cmd, 0, [t(a, 107), t('&HitQty', 23), t('=', 10), t('1', 3)]).
b_line_i(10, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(11, 0, 0, cmd, 0, [t('', 146), t('Sort', 2)]).
b_line_i(12, 0, 0, cmd, 0, [t(a, 107), t([s(t('&Qty', 23), 1), t('sort(', 1), t(')', 4)], 31)]).
b_line_i(13, 0, 0, cmd, 0, [t(a, 107), t('&HitSort', 23), t('=', 10), t('1', 3)]).
b_line_i(14, 0, 0, cmd, 0, [t('', 147)]).
