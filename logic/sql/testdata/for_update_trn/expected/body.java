protected int Acustid ;
protected String Acustname ;
protected java.util.Date Acustdate ;
protected dbcCUSTOMER dbocustomer ;
protected fT00042 T00042 ;
protected dT00043 T00043 ;

T00042.fetchFirst(dbocustomer);
while (!T00042.eof())
{
   Acustid = dbocustomer.getCustid();
   Acustname = dbocustomer.getCustname();
   Acustdate = dbocustomer.getCustdate();
   if (T00042.getStatus() == 0) {
      T00043.executeUpd(Acustdate, Acustid) ;
   }
   /* Check if program is canceled. */
   T00042.readNext();
}
T00042.close() ;
