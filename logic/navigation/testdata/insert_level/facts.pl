/* Level 1 inserts into CUSTOMER with the standard duplicate test; level 2
   has a "when duplicate" command (code 129) and gets none. */
spec_i([proc, 2, 'New customers', 'PNew', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PNew']).
attri_i(custid, [custid, int, 9, 0, '', 1]).
attri_i(custname, [custname, char, 30, 0, '', 1]).
attri_i(invid, [invid, int, 9, 0, '', 1]).
level_i(1, [0, [], [], 0, 0, 0, [], 0, 0, []]).
level_i(2, [0, [], [], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [], []).
struct_i(2, 0, [], []).
break_i(1, ins, 0, 0, 0).
break_i(2, ins, 0, 0, 0).
upd_i(1, customer, i, [[custid, custname], [], [], [], []]).
upd_i(2, invoice, i, [[invid], [], [], [], []]).
b_group_i(2, 1, cmd, 0, 0, 0).
b_line_i(1, 2, 1, cmd, 0, [t(dup, 129)]).
b_line_i(2, 2, 1, cmd, 0, [t(if, 109), t(true, 1)]).
