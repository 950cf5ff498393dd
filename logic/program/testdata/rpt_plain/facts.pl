/* Report of the customers from a given number on, by name: FOR EACH CUSTOMER ordered by CustName,
   counting them in &Count. */
spec_i([rpt, 3, 'Customers by region', 'CustList', 0, 0]).
level_i(1, [1, [1], [custname], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid, custname], []).
break_i(1, nvg, 0, 0, 0).
start_i(1, 0, 0, [[[custid, 2, '&From', '>=']], many]).
b_group_i(1, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, cmd, 0, [t(a, 107), t('&Count', 23), t('=', 10), t('&Count', 23), t('+', 5), t('1', 3)]).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i('&From', ['&From', int, 6, 0, 'ZZZZZ9']).
attri_i('&Count', ['&Count', int, 6, 0, 'ZZZZZ9']).
rule_i(0, parm(['&From', '&Count'], [])).
table_i(1, 'CUSTOMER').
