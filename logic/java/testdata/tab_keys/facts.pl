/* Creation of the database: one table with a key of two attributes. */
spec_i([ce, 10, 'Database creation', 'CreateDB', 0, crt]).
new_tables(7, pk, ['P007', 'ORDLINE']).
