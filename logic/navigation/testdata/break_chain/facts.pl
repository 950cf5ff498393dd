/* Level 2 breaks level 1 on INVOICE: one cursor, the flag BRK021. */
spec_i([proc, 2, 'Invoices by customer', 'PInv', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PInv']).
level_i(1, [invoice, [invoice], [custid], 0, 0, 0, [], 0, 0, []]).
level_i(2, [invoice, [invoice], [invid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid], []).
struct_i(2, 1, [invid], []).
break_i(2, nvg, 1, 0, 0).
