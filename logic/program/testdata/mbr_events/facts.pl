/* The events of a menu bar: a link, a call of a generated program with a
   parameter, an item without event, an event of another kind that is no
   menu-bar event, and the headers out of line order in the file. */
spec_i([mbr, 9, 'Main menu bar', 'MainBar', 0, 0]).
menu_i(1, 0, m, 'MainBar', 'Main bar', []).
menu_i(2, 1, m, 'Go', '&Go', [popup]).
menu_i(3, 2, m, 'Customers', '&Customers', []).
menu_i(4, 2, m, 'Clear', 'C&lear invoice', []).
menu_i(5, 2, m, 'About', '&About', []).
level_i(1, [0]).
struct_i(1, 0, [], []).
b_group_i(1, 1, cmd, 0, 0, 0).
attri_i('&InvId', ['&InvId', int, 6, 0, 'ZZZZZ9']).
b_line_i(4, 1, 1, cmd, 0, [t(event, 146), t([t('Menubar', 3), t('Clear', 2)], 29)]).
b_line_i(5, 1, 1, cmd, 0, [t('call(', 104), t('\'PClearInv\'', 3), t(',', 7), t('&InvId', 23), t(')', 4)]).
b_line_i(6, 1, 1, cmd, 0, [t(endevent, 147)]).
b_line_i(1, 1, 1, cmd, 0, [t(event, 146), t([t('Menubar', 3), t('Customers', 2)], 29)]).
b_line_i(2, 1, 1, cmd, 0, [t(link, 171), t('hcustomers.htm', 28)]).
b_line_i(3, 1, 1, cmd, 0, [t(endevent, 147)]).
b_line_i(7, 1, 1, cmd, 0, [t(event, 146), t('Start', 3)]).
b_line_i(8, 1, 1, cmd, 0, [t(endevent, 147)]).
pgm_parm_i('PCLEARINV', 1, i, [int, 6, 0, 0]).
