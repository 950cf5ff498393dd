% A reorganisation of a DB2 model with CS_REORG "N": the database is not
% reorganised by these programs, so the table steps write nothing and
% qncrtdb has its line in place of the collection.
spec_i([ce, 22, 'Reorganization', 'Reorg', 0, reo]).
ddl_option('DTASRC', '5').
ddl_option('CS_REORG', 'No').
attri_i(1, ['CustId', int, 6, 0]).
attri_i(2, ['CustName', char, 30, 0]).
kb_table(1, 'Customers', [1, 2], [1]).
kb_tblname(1, 'CUSTOMER').
kb_index(1, 1, 'ICUSTOMER1', 1, [1]).
new_tables(1, pk, ['P001', 'TMPCUST']).
