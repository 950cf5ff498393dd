/* Data store 1 and two Informix stores of the object, the first in ANSI mode
   (named twice: one section), the other not; the cursor limit and the
   isolation level are those of store 1 whatever the store. */
spec_i([proc, 5, 'Writes a greeting', 'Greet', 0, 0]).
level_i(1, []).
datastore_i([2, 'Legacy', 11]).
datastore_i([2, 'Legacy', 11]).
datastore_i([3, 'Archive', 11]).
dstore_pref_i(1, 'MAX_CURSOR', "50").
dstore_pref_i(1, 'ISOLATION_LEVEL', "UR").
dstore_pref_i(2, 'MAX_CURSOR', "7").
dstore_pref_i(2, 'INFORMIX_DB', "ANSI").
dstore_pref_i(2, 'CS_DBNAME', "old").
dstore_pref_i(3, 'INFORMIX_DB', "LOG").
dstore_pref_i(3, 'USER_ID', "arch").
