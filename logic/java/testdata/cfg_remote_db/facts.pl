/* The end of a pass whose application reaches a remote data base through
   every protocol: a package and no name space, a user, a log of the object
   broker to the console, flags of values other than YES and NO, and pools. */
spec_i([proc, 5, 'Writes a greeting', 'Greet', 0, 0]).
level_i(1, []).
config_i('PACKAGE', "com.acme.app").
config_i('REMOTE_CALLS', "best").
config_i('QNDB_LOCATION', "Srv1").
config_i('USER_ID', "scott").
config_i('ORB_LOG', "stdout").
config_i('JDBC_LOG', "jdbc.log").
config_i('LDAP_LOGIN', "maybe").
config_i('WEB_POOL', "no").
config_i('POOLSIZE_RO', "0").
config_i('POOLSIZE_RW', "5").
