/* Work panel whose events act on its two subfiles. Its event lines are at
   the program's level 0, which here repeats and is the level both
   subfiles show (their breaks): Refresh keep, a loop over every line with
   a loop over the selected lines inside it, a Load event with a load
   command, a load command in the Start event and one in a button's
   event. */
spec_i([scr, 30, 'Line commands', 'Lines', 0, 0]).
level_i(1, [0]).
struct_i(1, 0, [], []).
sf_break_i(0, 1).
sf_break_i(0, 2).
repeat_i(0, [itemid, itemqty]).
attri_i(itemid, ['ItemId', int, 6, 0, 'ZZZZZ9']).
attri_i(itemqty, ['ItemQty', int, 6, 0, 'ZZZZZ9']).
attri_i('&Total', ['&Total', int, 8, 0, 'ZZZZZZZ9']).
lit_i(1, 1, window, [rect(0,0,399,299), title(['Lines'])]).
lit_i(2, 1, s(1), [rect(10,10,189,239), th(20), height(18), ctlname('Items')]).
lit_i(3, 1, s(t(itemid, 2), 1), [width(60)]).
lit_i(4, 1, s(t(itemqty, 2), 1), [width(60)]).
lit_i(5, 1, s(2), [rect(200,10,389,239), th(20), height(18), ctlname('Picked')]).
lit_i(6, 1, s(t(itemid, 2), 2), [width(60)]).
lit_i(7, 1, t('&Total', 23), [rect(10,250,109,269)]).
lit_i(8, 1, button('Sum'), [rect(200,250,279,274)]).
lit_i(9, 1, button('Again'), [rect(300,250,379,274)]).
b_line_i(1, 0, 0, cmd, 0, [t('', 146), t('Sum', 2)]).
b_line_i(2, 0, 0, cmd, 0, [t('', 107), t('&Total', 23), t('=', 10), t('0', 3)]).
b_line_i(3, 0, 0, cmd, 0, [t('for each line', 149)]).
b_line_i(4, 0, 0, cmd, 0, [t('for each selected line', 162)]).
b_line_i(5, 0, 0, cmd, 0, [t('', 107), t('&Total', 23), t('=', 10), t('&Total', 23), t('+', 5), t(itemqty, 2)]).
b_line_i(6, 0, 0, cmd, 0, [t(endfor, 150)]).
b_line_i(7, 0, 0, cmd, 0, [t(endfor, 150)]).
b_line_i(8, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(9, 0, 0, cmd, 0, [t('', 146), t('Again', 2)]).
b_line_i(10, 0, 0, cmd, 0, [t(refresh, 148), t('Keep', 0)]).
b_line_i(11, 0, 0, cmd, 0, [t(load, 155)]).
b_line_i(12, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(13, 0, 0, cmd, 0, [t('', 146), t('Start', 2)]).
b_line_i(14, 0, 0, cmd, 0, [t(load, 155)]).
b_line_i(15, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(16, 0, 0, cmd, 0, [t('', 146), t('Load', 2)]).
b_line_i(17, 0, 0, cmd, 0, [t(load, 155)]).
b_line_i(18, 0, 0, cmd, 0, [t('', 147)]).
