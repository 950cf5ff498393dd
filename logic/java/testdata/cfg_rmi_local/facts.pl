/* One protocol (RMI) and the data base beside the client: a package with a
   name space of its own. */
spec_i([proc, 5, 'Writes a greeting', 'Greet', 0, 0]).
level_i(1, []).
config_i('PACKAGE', "com.acme.app").
config_i('NAME_SPACE', "acme").
config_i('REMOTE_CALLS', "SUN_RMI").
config_i('POOLSIZE_RO', "-1").
