/* Menu of the application's developer menu. */
menu_i(1, 'Main', 'Sample application', 0, 0, []).
mnuopt_i(1, 1, ['Customers', trn, 6]).
mnuopt_i(1, 2, ['Invoices', trn, 7]).
