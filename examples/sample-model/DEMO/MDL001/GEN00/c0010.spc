/* Creation of the model's database. */
spec_i([ce, 10, 'Database creation', 'CreateDB', 0, crt]).
tbl_to_delete_i(0, []).
/* The tables to create, each with the name of its conversion program. */
new_tables(1, pk, ['P001', 'CUSTOMER']).
new_tables(2, pk, ['P002', 'INVOICE']).
new_tables(3, pk, ['P003', 'INVLINE']).
new_tables(4, pk, ['P004', 'PRODUCT']).
