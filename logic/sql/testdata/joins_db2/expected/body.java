protected int Ainvid ;
protected int Acustid ;
protected String Name ;
protected String Acustname ;
protected java.util.Date Ainvdate ;
protected dbcINVOICE dboinvoice ;
protected fP00052 P00052 ;
protected fP00053 P00053 ;
protected dbcCUSTOMER dbocustomer ;
protected fP00054 P00054 ;

/*
   The DBMS does not support FOR UPDATE clause in ORDERed SELECT
   statements. Two statements are generated to warranty ORDER and
   locking requirements.
*/
P00052.fetchFirst(dboinvoice, Name);
while (!P00052.eof())
{
   /*
      The following code locks the record read by the previous read-only
      SELECT statement.
   */
   Ainvid = dboinvoice.getInvid();
   P00053.fetchFirst(dboinvoice, Ainvid);
   if (!P00053.eof()) {
      Ainvid = dboinvoice.getInvid();
      Ainvdate = dboinvoice.getInvdate();
      Acustid = dboinvoice.getCustid();
      Acustname = dbocustomer.getCustname();
      P00054.fetchFirst(dbocustomer, Acustid);
      Acustname = dbocustomer.getCustname();
      if ( ( QNutil.strcmp(Acustname, Name) >= 0 ) )
      {
      }
   }
   P00053.close() ;
   /* Check if program is canceled. */
   P00052.readNext();
}
P00052.close() ;
P00054.close() ;
