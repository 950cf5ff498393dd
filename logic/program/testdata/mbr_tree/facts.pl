/* A menu bar with two top menus, a submenu whose entry comes before its
   parent's, a menu with entries but without popup, a separator, a disabled
   checked item, toolbar buttons with and without bitmap and tooltip, and
   bad entries: an unknown parent, a cycle, an Id met twice. */
spec_i([mbr, 12, 'Tree menu bar', 'TreeBar', 0, 0]).
menu_i(1, 0, m, 'TreeBar', 'Tree bar', []).
menu_i(2, 1, m, 'File', '&File', [popup]).
menu_i(6, 5, m, 'Recent1', 'Last &file', []).
menu_i(3, 2, m, 'Open', '&Open...', []).
menu_i(4, 2, m, 'Sep1', '', [separator]).
menu_i(5, 2, m, 'Recent', 'Re&cent', []).
menu_i(7, 1, m, 'View', '&View', [popup]).
menu_i(8, 7, m, 'Grid', 'Show "grid"', [checked, disabled]).
menu_i(9, 1, t, 'New', '', [bitmap('IMAGES\New.BMP'), tooltip('New file')]).
menu_i(10, 1, t, 'Gap', '', [separator]).
menu_i(11, 42, m, 'Lost', 'Lost', []).
menu_i(12, 13, m, 'Loop1', 'Loop 1', []).
menu_i(13, 12, m, 'Loop2', 'Loop 2', []).
menu_i(3, 2, m, 'Again', 'Again', []).
