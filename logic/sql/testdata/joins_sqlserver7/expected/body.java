protected int Ainvid ;
protected int Acustid ;
protected String Name ;
protected String Acustname ;
protected java.util.Date Ainvdate ;
protected dbcINVOICE dboinvoice ;
protected fP00052 P00052 ;
protected dbcCUSTOMER dbocustomer ;
protected fP00053 P00053 ;

P00052.fetchFirst(dboinvoice, Name);
while (!P00052.eof())
{
   Ainvid = dboinvoice.getInvid();
   Ainvdate = dboinvoice.getInvdate();
   Acustid = dboinvoice.getCustid();
   Acustname = dbocustomer.getCustname();
   P00053.fetchFirst(dbocustomer, Acustid);
   Acustname = dbocustomer.getCustname();
   if ( ( QNutil.strcmp(Acustname, Name) >= 0 ) )
   {
   }
   /* Check if program is canceled. */
   P00052.readNext();
}
P00052.close() ;
P00053.close() ;
