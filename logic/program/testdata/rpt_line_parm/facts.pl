/* A report that prints into its caller's report: Line is among its parameters. One detail block,
   then a call that hands Line on to another report. */
spec_i([rpt, 3, 'Customers by region', 'CustList', 0, 0]).
level_i(1, [1, [1], [custname], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid, custname], []).
break_i(1, nvg, 0, 0, 0).
start_i(1, 0, 0, [[[custid, 2, '&From', '>=']], many]).
b_group_i(1, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, line, 0, [pb(1)]).
b_line_i(2, 1, 0, cmd, 0, [t('call(', 104), t('\'RSubTot\'', 3), t(',', 7), t('&Line', 23), t(')', 4)]).
lit_i(1, 1, window, [rectpixels([0, 0, 640, 16])]).
lit_i(2, 1, t(custname, 2), [rect(0, 0, 300, 16), align(right)]).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&From', ['&From', int, 6, 0, 'ZZZZZ9']).
attri_i('&Line', ['&Line', int, 6, 0, 'ZZZZZ9']).
rule_i(0, parm(['&From', '&Line'], [])).
table_i(1, 'CUSTOMER').
