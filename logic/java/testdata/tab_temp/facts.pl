/* A reorganisation of ORDLINE: its classes, and those of its temporary
   conversion table TMPLINE. */
spec_i([ce, 11, 'Reorganization', 'Reorg', 0, rgz]).
config_i('DTASRC', '5').
new_tables(7, pk, ['P007', 'TMPLINE']).
/* The model generated, the current one, paired with itself as a run pairs it. */
model_num_i(1). model_i(1, 1).
