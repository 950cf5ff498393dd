% A reorganisation on Oracle whose only change is a new column of CUSTOMER:
% no temporary table, no conversion program, one ALTER TABLE ADD.
spec_i([ce, 20, 'Reorganization', 'Reorg', 0, reo]).
ddl_option('DTASRC', '7').
attri_i(1, ['CustId', int, 6, 0]).
attri_i(2, ['CustName', char, 30, 0]).
attri_i(3, ['CustMail', vchar, 60, 0]).
kb_table(1, 'Customers', [1, 2, 3], [1]).
kb_tblname(1, 'CUSTOMER').
kb_index(1, 1, 'ICUSTOMER1', 1, [1]).
new_tables(1, pk, ['P001', 'TMPCUST', att([[3, nn]])]).
