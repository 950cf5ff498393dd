/* Reindex of the model's tables: nothing for the Java generator. */
spec_i([ce, 1, 'Reindex tables', 'Reindex', 0, ridx]).
