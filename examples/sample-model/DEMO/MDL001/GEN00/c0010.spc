/* Creation of the model's database. */
spec_i([ce, 10, 'Database creation', 'CreateDB', 0, crt]).
tbl_to_delete_i(0, []).
