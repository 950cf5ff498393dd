/* An updating level on INVOICE that assigns TOTAL and STATUS (las_i/2).
   TOTAL is kept for old() by a rule of the level, STATUS by the level's
   excluded list; a condition compares TOTAL with its old and previous
   values. */
spec_i([proc, 2, 'Old values', 'POld', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'POld']).
attri_i(invid, [invid, int, 9, 0, '', 1]).
attri_i(total, [total, pac, 12, 2, '', 1]).
attri_i(status, [status, char, 1, 0, '', 1]).
level_i(1, [invoice, [invoice], [invid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [invid, total], [status]).
upd_i(1, invoice, u, [[total, status], [], [], [invid], []]).
las_i(1, [total, status]).
rule_i(1, rule([a(3, [t('old(', 1), t(total, 2), t(')', 4)])], x, y, z)).
a_i(c1, 1, c, total, 0, [t('old(', 1), t(total, 2), t(')', 4), t('<>', 10),
                         t('previous(', 1), t(total, 2), t(')', 4)]).
v_i(c, i, c1, [total]).
/* The level doubles TOTAL: its old value stays the one read. */
a_i(f1, 1, f, total, 0, [[[t(total, 2), t('*', 6), t(2, 3)], []]]).
v_i(f, i, f1, [invid]).
v_i(f, o, f1, [total]).
