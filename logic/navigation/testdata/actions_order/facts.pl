/* The lines of invoices. The actions are given out of order: the
   condition on the amount, the amount (the quantity times the product's
   price), the read of PRODUCT by the product key, the key, and the list
   amount. The list amount needs only the quantity but changes with the
   price (ca_i/2): computed before the read, it is computed again after. */
spec_i([proc, 2, 'Action order', 'PAct', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PAct']).
attri_i(invid, [invid, int, 9, 0, '', 1]).
attri_i(lineno, [lineno, int, 4, 0, '', 1]).
attri_i(prodid, [prodid, int, 6, 0, '', 1]).
attri_i(qty, [qty, int, 5, 0, '', 1]).
attri_i(price, [price, pac, 10, 2, '', 1]).
attri_i(prodkey, [prodkey, int, 6, 0, '', 1]).
attri_i(amount, [amount, pac, 12, 2, '', 1]).
attri_i(listamt, [listamt, pac, 12, 2, '', 1]).
level_i(1, [20, [20], [invid, lineno], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [invid, lineno, prodid, qty], []).
a_i(c1, 1, c, amount, 0, [t(amount, 2), t('>', 10), t(100, 3)]).
v_i(c, i, c1, [amount]).
a_i(f1, 1, f, amount, 0, [[[t(qty, 2), t('*', 6), t(price, 2)], []]]).
v_i(f, i, f1, [qty, price]).
v_i(f, o, f1, [amount]).
a_i(r1, 1, r, 30, 0, [[[30, prodkey, prodid]]]).
v_i(r, i, r1, [prodkey]).
v_i(r, o, r1, [price]).
a_i(f2, 1, f, prodkey, 0, [[[t(prodid, 2)], []]]).
v_i(f, i, f2, [prodid]).
v_i(f, o, f2, [prodkey]).
a_i(f3, 1, f, listamt, 0, [[[t(qty, 2), t('*', 6), t(price, 2)], []]]).
v_i(f, i, f3, [qty]).
v_i(f, o, f3, [listamt]).
ca_i(f3, price).
/* INVLINE is table 20 and PRODUCT table 30, named by their numbers (no
   knowledge base here). */
p(x, y, fv, k, [intname, 20]).
table_i(20, 'INVLINE').
p(x, y, fv, k, [intname, 30]).
table_i(30, 'PRODUCT').
