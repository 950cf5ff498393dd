/* The model's request to reorganise its database after tables changed. */
spec_i([ce, 1, 'Reorganises the database', 'Reorg', 0, reo]).
