/* A level of no table whose user SQL command (code 167) runs a statement
   longer than a line as it stands: the statement is wrapped into pieces of
   the command buffer, which rejoin byte for byte. */
spec_i([proc, 7, 'Year end', 'PEnd', 0, 0]).
model_num_i(1).
pgm_id([7, proc, 'PEnd']).
rule_i(0, prop('DTASRC', "7")).
table_i(1, 'CUSTOMER').
table_i(2, 'INVOICE').
level_i(1, [0, [], [], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [], []).
b_group_i(1, 1, cmd, 0, 0, 0).
b_line_i(1, 1, 1, cmd, 0, [t(sql, 167), t('UPDATE INVOICE SET Total = 0 WHERE InvDate < ''2000-01-01'' AND CustId IN (SELECT CustId FROM CUSTOMER WHERE CustName = ''O''''Brien'' OR CustName LIKE ''A%'')', 3)]).
