/* A procedure without levels in a model with stored procedures: an AS/400
   procedure of two parameters and one another program's call recorded. */
spec_i([proc, 5, 'Writes a greeting', 'Greet', 0, 0]).
level_i(1, []).
external_program_i('SP1', storedprocedure, [as400, 'LIB/SP1X', ['IN', 'OUT'], ['CHAR(5)', 'DECIMAL(9,2)'], 'RPG']).
odbc_call_i(pcalc, 'PROC1', 'INOUT CHAR(10)').
