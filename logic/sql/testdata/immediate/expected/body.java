protected String cmdBuffer ;

/* User SQL Command. */
cmdBuffer = "UPDATE INVOICE SET Total = 0 WHERE InvDate < '2000-01-01' AND CustId IN (SELECT ";
cmdBuffer += "CustId FROM CUSTOMER WHERE CustName = 'O''Brien' OR CustName LIKE 'A%')";
ExecuteDirectSQL.execute(context, remoteHandle, "oracle7", cmdBuffer) ;
/* Check if program is canceled. */
