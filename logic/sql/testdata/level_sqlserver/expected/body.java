protected int Id ;
protected int Acustid ;
protected String Name ;
protected String Acustname ;
protected java.util.Date Since ;
protected java.util.Date Acustdate ;
protected dbcCUSTOMER dbocustomer ;
protected fP00022 P00022 ;
protected dP00023 P00023 ;

P00022.fetchFirst(dbocustomer, Id, Name, Since);
while (!P00022.eof())
{
   Acustid = dbocustomer.getCustid();
   Acustname = dbocustomer.getCustname();
   Acustdate = dbocustomer.getCustdate();
   Acustname = Name ;
   if (P00022.getStatus() == 0) {
      P00023.executeUpd(Acustname, Acustid) ;
   }
   /* Check if program is canceled. */
   P00022.readNext();
}
P00022.close() ;
