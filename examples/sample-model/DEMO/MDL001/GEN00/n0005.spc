/* An external program's specification: not an object kind of this generator. */
spec_i([ext, 5, 'Nightly backup', 'Backup', 0, 0]).
