/* The model's request to create its database. */
spec_i([ce, 1, 'Creates the database', 'Create', 0, crt]).
