/* Creation of the database without tables to create: the pass ends with the
   reorganisation's make file, which lists qnlred under RED_MAK YES. */
spec_i([ce, 10, 'Database creation', 'CreateDB', 0, crt]).
config_i('RED_MAK', "YES").
config_i('DMENU_MAK', "NO").
