/* Customer without confirmation (TRNCFM None) and without the pseudo
   change check (PSEUDO_CHECK No), called with the mode it runs in: the
   variable Mode is its parameter. Buttons Enter, Delete and Cancel. An
   After( level) rule sets CustName. */
spec_i([trn, 6, 'Customers', 'Customer', 0, 0]).
rule_i(0, prop('TRNCFM', 'None')).
rule_i(0, prop('PSEUDO_CHECK', "No")).
rule_i(0, parm(['Mode'], [])).
attri_i('Mode', ['Mode', char, 3, 0, '']).
level_i(1, [1, [1], [custid], [], 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid, custname], []).
ta_i(1, [[custid, custname]]).
table_i(1, 'CUSTOMER').
index_i(1, [icustomer, u, [custid]]).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
a_i(1, 1, t, 1, [], []).
v_i(t, o, 1, [custid, custname]).
upd_i(1, 1, i, [[custid, custname], [], [], [], []]).
upd_i(1, 1, u, [[custname], [], [], [custid], []]).
las_i(1, [custname]).
a_i(2, 1, b, custname, after(level), [a(custname, [t('\'Saved\'', 3)])]).
upd_i(1, 1, d, [[], [], [], [custid], []]).
lit_i(1, window, [rect(0, 0, 399, 159), title(['Customers'])]).
lit_i(1, t(custid, 2), [rect(120, 10, 179, 29)]).
lit_i(1, t(custname, 2), [rect(120, 40, 359, 59)]).
lit_i(1, button('Enter'), [rect(10, 100, 79, 124)]).
lit_i(1, button('Delete'), [rect(90, 100, 159, 124)]).
lit_i(1, button('Cancel'), [rect(330, 100, 389, 124)]).
