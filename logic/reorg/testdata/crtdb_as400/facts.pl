% The database creation of an AS/400 model (DTASRC 4) whose collection is
% QNLIB: qncrtdb creates the collection; every table is new.
spec_i([ce, 23, 'Database creation', 'CreateDB', 0, crt]).
ddl_option('DTASRC', '4').
ddl_option('DTALIB', 'QNLIB').
attri_i(1, ['CustId', int, 6, 0]).
attri_i(2, ['CustName', char, 30, 0]).
kb_table(1, 'Customers', [1, 2], [1]).
kb_tblname(1, 'CUSTOMER').
kb_index(1, 1, 'ICUSTOMER1', 1, [1]).
kb_index(1, 2, 'ICUSTOMER2', 0, [2]).
new_tables(1, pk, ['P001', 'CUSTOMER']).
