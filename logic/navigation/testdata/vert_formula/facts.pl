/* Each invoice's total: the sum of its lines' amounts, computed by the
   routine of formula 7 that walks INVLINE by the invoice's number. */
spec_i([proc, 2, 'Invoice totals', 'PTot', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PTot']).
attri_i(invid, [invid, int, 9, 0, '', 1]).
attri_i(invtotal, [invtotal, pac, 12, 2, '', 1]).
attri_i(lineamount, [lineamount, pac, 12, 2, '', 1]).
level_i(1, [invoice, [invoice], [invid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [invid], []).
a_i(v1, 1, v, invtotal, 0, 7).
v_i(v, i, v1, [invid]).
v_i(v, o, v1, [invtotal]).
level_i(10, [21, [21], [], 0, 0, 0, [], 0, 0, []]).
start_i(10, 0, 0, [[[invid, 2, invid, '=']], many]).
for_ver_no_red_i(1, [7], [[], [['sum(', invtotal, lineamount]], 21, [[21, 10]],
                          [invid], 21, 0, [21], 0]).
/* Only invoices over 100 go on: the condition reads the total. */
a_i(c1, 1, c, invtotal, 0, [t(invtotal, 2), t('>', 10), t(100, 3)]).
v_i(c, i, c1, [invtotal]).
struct_i(10, 1, [lineamount], []).
/* INVLINE is table 21, named by its number (no knowledge base here). */
p(x, y, fv, k, [intname, 21]).
table_i(21, 'INVLINE').
