/* The web menu of a panel: a menu-bar name written in upper case, an item
   "&File" with a separator under it, texts that a JavaScript string or the
   XML text must escape (an apostrophe, a backslash, "é", "< Back", an "&"
   in an id), and a toolbar button and a disabled item, which the tree does
   not show differently. */
spec_i([mbr, 15, 'Web menu', 'WEBMENU', 0, 0]).
menu_i(1, 0, m, 'WEBMENU', 'Web menu', []).
menu_i(2, 1, m, 'FILE', '&File', []).
menu_i(3, 2, m, 'Sep', '', [separator]).
menu_i(4, 2, m, 'Customer\'s', 'Customer\'s &list', []).
menu_i(5, 2, m, 'Path', 'C:\\Temp', [disabled]).
menu_i(6, 1, m, 'Cafe', 'Caf\xE9\', [popup]).
menu_i(7, 6, m, 'Back', '< Back', []).
menu_i(8, 6, m, 'R&D', 'R&&D >', []).
menu_i(9, 1, t, 'Home', '', [tooltip('Home page')]).
