/* Menu: this generator writes no menus. */
spec_i([mnu, 4, 'Main menu', 'MainMenu', 0, 0]).
