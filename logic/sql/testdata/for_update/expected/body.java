protected int Acustid ;
protected int Id ;
protected int Ainvid ;
protected int Atotal ;
protected String Acustname ;
protected java.util.Date Acustdate ;
protected java.util.Date Since ;
protected java.util.Date Ainvdate ;
protected dbcCUSTOMER dbocustomer ;
protected fP00032 P00032 ;
protected fP00033 P00033 ;
protected dP00034 P00034 ;
protected dbcINVOICE dboinvoice ;
protected fP00035 P00035 ;
protected dP00036 P00036 ;

/*
   The DBMS does not support FOR UPDATE clause in ORDERed SELECT
   statements. Two statements are generated to warranty ORDER and
   locking requirements.
*/
P00032.fetchFirst(dbocustomer);
while (!P00032.eof())
{
   /*
      The following code locks the record read by the previous read-only
      SELECT statement.
   */
   Acustid = dbocustomer.getCustid();
   Acustname = dbocustomer.getCustname();
   P00033.fetchFirst(dbocustomer, Acustid, Acustname);
   if (!P00033.eof()) {
      Acustid = dbocustomer.getCustid();
      Acustname = dbocustomer.getCustname();
      Acustdate = dbocustomer.getCustdate();
      Acustdate = Since ;
      if (P00032.getStatus() == 0) {
         P00034.executeUpd(Acustdate, Acustid) ;
      }
   }
   P00033.close() ;
   /* Check if program is canceled. */
   P00032.readNext();
}
P00032.close() ;
P00035.fetchFirst(dboinvoice, Id);
while (!P00035.eof())
{
   Ainvid = dboinvoice.getInvid();
   Ainvdate = dboinvoice.getInvdate();
   Acustid = dboinvoice.getCustid();
   Atotal = dboinvoice.getTotal();
   Atotal = 0 ;
   if (P00035.getStatus() == 0) {
      P00036.executeUpd(Atotal, Ainvid) ;
   }
   /* Check if program is canceled. */
   P00035.readNext();
}
P00035.close() ;
