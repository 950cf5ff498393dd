/* The first INVOICE only: "if" for "while" and an exit after the record. */
spec_i([proc, 2, 'First invoice', 'PFirst', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PFirst']).
level_i(1, [invoice, [invoice], [invid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [invid], []).
break_i(1, xfst, 0, 0, 0).
