/* Transactions are logged. Level 1 walks CUSTOMER and updates nothing:
   its commit is written where it stands. Level 2, under it, updates
   INVOICE: its commit and rollback only set the level's commit variable,
   and the level's close commits or rolls back by that variable. */
spec_i([proc, 2, 'Commits', 'PCmt', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PCmt']).
intt_i.
attri_i('&X', ['&X', int, 9, 0, '', 1]).
attri_i(custid, [custid, int, 9, 0, '', 1]).
attri_i(invid, [invid, int, 9, 0, '', 1]).
attri_i(total, [total, pac, 12, 2, '', 1]).
level_i(1, [customer, [customer], [custid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid], []).
b_group_i(1, 1, cmd, 0, 0, 0).
b_line_i(1, 1, 1, cmd, 0, [t(commit, 132)]).
level_i(2, [invoice, [invoice], [invid], 0, 0, 0, [], 0, 0, []]).
struct_i(2, 1, [invid], []).
break_i(2, nvg, 1, 0, 0).
start_i(2, 0, 0, [[[custid, 2, custid, '=']], many]).
upd_i(2, invoice, u, [[total], [], [], [invid], []]).
b_group_i(2, 1, cmd, 0, 0, 0).
b_line_i(2, 2, 1, cmd, 0, [t(if, 109), t('&X', 23), t('>', 10), t('1', 3)]).
b_line_i(3, 2, 1, cmd, 0, [t(rollback, 157)]).
b_line_i(4, 2, 1, cmd, 0, [t(else, 110)]).
b_line_i(5, 2, 1, cmd, 0, [t(commit, 132)]).
b_line_i(6, 2, 1, cmd, 0, [t(endif, 111)]).
