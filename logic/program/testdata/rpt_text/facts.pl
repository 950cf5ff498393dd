/* The customer list as a text report: the window literal has the property text. No layout facts
   but the grid; printer codes among the print lines. */
spec_i([rpt, 3, 'Customers by region', 'CustList', 0, 0]).
level_i(1, [1, [1], [custname], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid, custname], []).
break_i(1, nvg, 0, 0, 0).
start_i(1, 0, 0, [[[custid, 2, '&From', '>=']], many]).
b_group_i(1, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, cmd, 0, [t(prncmd, 103), t('13', 3), t(',', 7), t('10', 3), t(',', 7), t('27', 3), t(',', 7), t('69', 3)]).
b_line_i(2, 1, 0, line, 0, [pb(1)]).
b_line_i(3, 1, 0, line, 0, [pb(2)]).
lit_i(1, 1, window, [text, rect([0, 0, 9600, 250])]).
lit_i(2, 1, t(custid, 2), [rect(0, 0, 720, 240)]).
lit_i(3, 1, t(custname, 2), [rect(840, 0, 4440, 240)]).
lit_i(4, 2, window, [rect([0, 0, 9600, 600])]).
lit_i(5, 2, t('''--''', 3), [rect(0, 0, 240, 240)]).
grid_i(120, 240).
rule_i(0, output_file('''custlist.txt''', txt)).
attri_i(custid, ['CustId', int, 6, 0, '']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&From', ['&From', int, 6, 0, 'ZZZZZ9']).
attri_i('&Count', ['&Count', int, 6, 0, 'ZZZZZ9']).
rule_i(0, parm(['&From', '&Count'], [])).
table_i(1, 'CUSTOMER').
