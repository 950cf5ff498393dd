/* A procedure that calls CustTotals, a stored procedure of the external
   programs (as the sample's extprog.ini declares it on a sqlserver data
   store), with a customer and a total. */
spec_i([proc, 24, 'Calls a database procedure', 'CallTotals', 0, 0]).
level_i(1, []).
break_i(1, rpt, 0, 0, 0).
b_group_i(1, 0, lit, 0, 0, 0).
attri_i('&CustId', ['&CustId', int, 6, 0, 'ZZZZZ9']).
attri_i('&Total', ['&Total', int, 9, 0, 'ZZZZZZZZ9']).
b_line_i(1, 1, 0, cmd, 0, [t('call(', 104), t('\'CustTotals\'', 3), t(',', 7), t('&CustId', 23), t(',', 7), t('&Total', 23), t(')', 4)]).
rule_i(0, parm(['&CustId', '&Total'], [])).
rule_i(0, prop('DTASRC', "12")).
external_program_i('CUSTTOTALS', storedprocedure, [sqlserver, sp_cust_totals, [in, out], ['INTEGER', 'DECIMAL']]).
