/* Left over from an interrupted specification: it names no object. */
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
