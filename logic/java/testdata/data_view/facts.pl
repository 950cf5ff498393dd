/* Creation of the database: one table; the data views ordview.dv and ordsum.dv of the
   specification folder get their classes after the tables'. */
spec_i([ce, 10, 'Database creation', 'CreateDB', 0, crt]).
new_tables(7, pk, ['P007', 'ORDLINE']).
/* The model generated, the current one, paired with itself as a run pairs it. */
model_num_i(1). model_i(1, 1).
