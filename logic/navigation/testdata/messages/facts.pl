/* The message actions of a procedure, one of each kind:
   golden_msg_action(Kind, Message, Attributes, Items) asks the runner for
   the action. 1 an error message, 4 the message command, 7 nothing, 8 and
   9 the message routine called as a user-defined procedure, 27 the
   routine named by the rule's third item, 12 (no kind of its own) with a
   message token, and 12 without one. */
spec_i([proc, 2, 'Messages', 'PMsg', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PMsg']).
attri_i(custid, [custid, int, 6, 0, '', 1]).
golden_msg_action(1, t('''Customer not found''', 3), [custid], []).
golden_msg_action(4, t('''Invoice printed''', 3), [], []).
golden_msg_action(7, t('''Never written''', 3), [], []).
golden_msg_action(8, t(rcredit, 3), [], []).
golden_msg_action(9, t(rlimit, 3), [], []).
golden_msg_action(27, [], [], [custid, 1, t(rnotify, 3)]).
golden_msg_action(12, t(rother, 3), [], []).
golden_msg_action(12, [], [], []).
