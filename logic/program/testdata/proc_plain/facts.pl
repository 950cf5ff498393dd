/* A callable procedure without parameters. */
spec_i([proc, 5, 'Writes a greeting', 'Greet', 0, 0]).
level_i(1, []).
