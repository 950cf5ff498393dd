/* Commands of one group of an updating level: if, while, DO CASE, exits,
   return, user code, an assignment and a commit. */
spec_i([proc, 2, 'Commands', 'PCmd', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PCmd']).
attri_i('&X', ['&X', int, 9, 0, '', 1]).
attri_i(invid, [invid, int, 9, 0, '', 1]).
attri_i(total, [total, pac, 12, 2, '', 1]).
level_i(1, [invoice, [invoice], [invid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [invid], []).
upd_i(1, invoice, u, [[total], [], [], [invid], []]).
b_group_i(1, 1, cmd, 0, 0, 0).
b_line_i(1, 1, 1, cmd, 0, [t(if, 109), t('&X', 23), t('>', 10), t('1', 3)]).
b_line_i(2, 1, 1, cmd, 0, [t(a, 107), t('&X', 23), t('=', 10), t('&X', 23), t('-', 5), t('1', 3)]).
b_line_i(3, 1, 1, cmd, 0, [t(else, 110)]).
b_line_i(4, 1, 1, cmd, 0, [t(do, 114), t('&X', 23), t('<', 10), t('10', 3)]).
b_line_i(5, 1, 1, cmd, 0, [t(a, 107), t('&X', 23), t('=', 10), t('&X', 23), t('+', 5), t('1', 3)]).
b_line_i(6, 1, 1, cmd, 0, [t(exit, 140)]).
b_line_i(7, 1, 1, cmd, 0, [t(enddo, 115)]).
b_line_i(8, 1, 1, cmd, 0, [t(endif, 111)]).
b_line_i(9, 1, 1, cmd, 0, [t(docase, 152)]).
b_line_i(10, 1, 1, cmd, 0, [t(case, 153), t('&X', 23), t('=', 10), t('1', 3)]).
b_line_i(11, 1, 1, cmd, 0, [t(commit, 132)]).
b_line_i(12, 1, 1, cmd, 0, [t(otherwise, 164)]).
b_line_i(13, 1, 1, cmd, 0, [t(exit, 139)]).
b_line_i(14, 1, 1, cmd, 0, [t(endcase, 154)]).
b_line_i(15, 1, 1, cmd, 0, [t(code, 166), t('X = X * 2;', 3)]).
b_line_i(16, 1, 1, cmd, 0, [t(return, 118)]).
