/* The data statements of three levels on as400: level 1 renames the
   customers from &Id on, level 3 inserts an invoice for &Id. */
spec_i([proc, 6, 'Customer upkeep', 'PUpk', 0, 0]).
model_num_i(1).
pgm_id([6, proc, 'PUpk']).
rule_i(0, prop('DTASRC', "4")).
table_i(1, 'CUSTOMER').
table_i(2, 'INVOICE').
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i(custdate, ['CustDate', date, 8, 0, '99/99/99']).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']).
attri_i(total, ['Total', int, 9, 0, 'ZZZZZZZZ9']).
attri_i('&Id', ['&Id', int, 6, 0, 'ZZZZZ9']).
attri_i('&Name', ['&Name', char, 30, 0, '']).
attri_i('&Inv', ['&Inv', int, 8, 0, 'ZZZZZZZ9']).
index_i(1, [icust, u, [custid]]).
index_i(2, [iinv, u, [invid]]).
level_i(1, [1, [1], [], 0, 0, 0, [], 0, 0, []]).
start_i(1, 0, 0, [[[custid, 23, '&Id', '>=']], many]).
struct_i(1, 0, [custid, custname], []).
upd_i(1, 1, u, [[custname], [], [], [], []]).
b_group_i(1, 1, cmd, 0, 0, 0).
b_line_i(1, 1, 1, cmd, 0, [t(a, 107), t(custname, 2), t('=', 10), t('&Name', 23)]).
level_i(3, [0, [], [], 0, 0, 0, [], 0, 0, []]).
struct_i(3, 0, [], []).
break_i(3, ins, 0, 0, 0).
upd_i(3, 2, i, [[invid, custid], [], [], [], []]).
b_group_i(3, 1, cmd, 0, 0, 0).
b_line_i(2, 3, 1, cmd, 0, [t(a, 107), t(invid, 2), t('=', 10), t('&Inv', 23)]).
b_line_i(3, 3, 1, cmd, 0, [t(a, 107), t(custid, 2), t('=', 10), t('&Id', 23)]).
