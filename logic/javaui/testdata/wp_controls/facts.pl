/* A work panel of choice controls: a combo and a list box with their
   items, a checkbox, a radio group, a tab control of two pages holding an
   edit each, a font with styles, a filled label, a dynamic combo of the
   table PRODUCT and an item no rule takes. */
spec_i([scr, 21, 'Choice controls', 'Controls', 0, 0]).
level_i(1, [0]).
attri_i('&Size', ['&Size', int, 1, 0, '9']).
attri_i('&Color', ['&Color', char, 10, 0, '']).
attri_i('&Ready', ['&Ready', char, 1, 0, '']).
attri_i('&Kind', ['&Kind', int, 1, 0, '9']).
attri_i('&First', ['&First', char, 10, 0, '']).
attri_i('&Second', ['&Second', char, 10, 0, '']).
attri_i('&Prod', ['&Prod', int, 6, 0, '']).
lit_i(1, 1, window, [rect(0,0,399,299), back(rgb(192,192,192))]).
lit_i(2, 1, t('&Size', 23), [rect(10,10,109,29), ctrltype(combo, 0), font('Arial', 10, [bold, italic])]).
lit_i(3, 1, t('&Color', 23), [rect(10,40,109,99), ctrltype(listbx, 0)]).
lit_i(4, 1, t('&Ready', 23), [rect(120,10,219,29), ctrltype(checkbox, 0)]).
lit_i(5, 1, t('&Kind', 23), [rect(120,40,219,99), ctrltype(radio, 0), title(['Kind'])]).
lit_i(6, 1, tabcontrol, [rect(10,110,389,289)]).
lit_i(7, 6, tabpage, [rect(0,20,379,179), title(['General'])]).
lit_i(8, 6, tabpage, [rect(0,20,379,179), title(['Other'])]).
lit_i(9, 7, t('&First', 23), [rect(10,10,109,29)]).
lit_i(10, 8, t('&Second', 23), [rect(10,10,109,29)]).
lit_i(11, 1, t('Filled', 3), [rect(230,10,299,29), fill, back(rgb(255,255,0)), align(center)]).
lit_i(12, 1, gadget(1), [rect(0,0,9,9)]).
lit_i(13, 1, t('&Prod', 23), [rect(310,40,389,59), ctrltype(dyncombo, 0)]).
ctrl_info_i(2, combo, [[1, 'Small'], [2, 'Large']]).
ctrl_info_i(3, listbx, [['R', 'Red'], ['G', 'Green']]).
ctrl_info_i(4, checkbox, ['Y', 'N', 'Ready']).
ctrl_info_i(5, radio, [[1, 'One'], [2, 'Two']]).
/* &Prod lists the products' descriptions (attribute 7) for their ids
   (attribute 6), sorted. */
rule_i(1, dyncombo('&Prod', [4, 6, 7, sort])).
/* &Color is not accepted while &Size is 2; &Ready is written in BLU+ (two
   words) while &Size is 1 and on yellow while &Size is over 1. */
rule_i(1, rule([a(3, [t('&Color', 23)])], [t('&Size', 23), t('=', 10), t(2, 3)], [], [])).
rule_i(1, rule([a(26, [[['BLU', '+']], t('&Ready', 23)])], [t('&Size', 23), t('=', 10), t(1, 3)], [], [])).
rule_i(1, rule([a(26, [['', 'YLW'], t('&Ready', 23)])], [t('&Size', 23), t('>', 10), t(1, 3)], [], [])).
