/* Menu bar of the work panels. */
spec_i([mbr, 9, 'Main menu bar', 'MainBar', 0, 0]).
