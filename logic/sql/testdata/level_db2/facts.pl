/* A procedure level on DB2: it walks the customers from &Id on whose name
   is like &Name and who joined before &Since, and renames each. */
spec_i([proc, 2, 'Rename customers', 'PRen', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PRen']).
rule_i(0, prop('DTASRC', "5")).
table_i(1, 'CUSTOMER').
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i(custdate, ['CustDate', date, 8, 0, '99/99/99']).
attri_i('&Id', ['&Id', int, 6, 0, 'ZZZZZ9']).
attri_i('&Name', ['&Name', char, 30, 0, '']).
attri_i('&Since', ['&Since', date, 8, 0, '99/99/99']).
index_i(1, [icust, u, [custid]]).
level_i(1, [1, [1], [], 0, 0, 0, [], 0, 0, []]).
start_i(1, 0, 0, [[[custid, 23, '&Id', '>=']], many]).
struct_i(1, 0, [custid, custname, custdate], []).
tw_i(1, [c([t(custname, 2), t('.LIKE.', 10), t('&Name', 23)], []),
          c([t(custdate, 2), t('<', 10), t('&Since', 23)], [])]).
upd_i(1, 1, u, [[custname], [], [], [], []]).
b_group_i(1, 1, cmd, 0, 0, 0).
b_line_i(1, 1, 1, cmd, 0, [t(a, 107), t(custname, 2), t('=', 10), t('&Name', 23)]).
