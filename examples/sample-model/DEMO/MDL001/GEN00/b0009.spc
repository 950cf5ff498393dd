/* Menu bar of the work panels and of the web panel Customers: a menu with a
   separator, a sub-menu and a disabled item, a toolbar button, and three
   events (a link, a call of a link, a call of a procedure). */
spec_i([mbr, 9, 'Main menu bar', 'MainBar', 0, 0]).
menu_i(1, 0, m, 'MainBar', 'Main menu bar', []).
menu_i(2, 1, m, 'Customers', '&Customers', [popup]).
menu_i(3, 2, m, 'List', '&List', []).
menu_i(4, 2, m, 'Sep1', '', [separator]).
menu_i(5, 2, m, 'Invoices', '&Invoices', []).
menu_i(6, 5, m, 'Today', 'Today''s invoices', []).
menu_i(7, 5, m, 'Clear', 'C&lear an invoice', []).
menu_i(8, 2, m, 'Archive', '&Archive', [disabled]).
menu_i(9, 1, t, 'Home', '', [tooltip('Home page')]).
level_i(1, [0]).
struct_i(1, 0, [], []).
b_group_i(1, 0, lit, 0, 0, 0).
attri_i('&InvId', ['&InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i('&CustId', ['&CustId', int, 6, 0, 'ZZZZZ9']).
attri_i('&Total', ['&Total', int, 9, 0, 'ZZZZZZZZ9']).
b_line_i(1, 1, 0, cmd, 0, [t(event, 146), t([t('Menubar', 3), t('List', 2)], 29)]).
b_line_i(2, 1, 0, cmd, 0, [t(link, 171), t('hcustomers.htm', 28)]).
b_line_i(3, 1, 0, cmd, 0, [t(endevent, 147)]).
b_line_i(4, 1, 0, cmd, 0, [t(event, 146), t([t('Menubar', 3), t('Today', 2)], 29)]).
b_line_i(5, 1, 0, cmd, 0, [t('call(', 104), t('hinvoices.htm?today', 28), t(')', 4)]).
b_line_i(6, 1, 0, cmd, 0, [t(endevent, 147)]).
b_line_i(7, 1, 0, cmd, 0, [t(event, 146), t([t('Menubar', 3), t('Clear', 2)], 29)]).
b_line_i(8, 1, 0, cmd, 0, [t('call(', 104), t('\'PClearInv\'', 3), t(',', 7), t('&InvId', 23), t(',', 7), t('&CustId', 23), t(',', 7), t('&Total', 23), t(')', 4)]).
b_line_i(9, 1, 0, cmd, 0, [t(endevent, 147)]).
