protected int Id ;
protected int Acustid ;
protected int Ainvid ;
protected int Inv ;
protected String Acustname ;
protected String Name ;
protected dbcCUSTOMER dbocustomer ;
protected fP00062 P00062 ;
protected dP00063 P00063 ;
protected dbcINVOICE dboinvoice ;
protected dP00064 P00064 ;

P00062.fetchFirst(dbocustomer, Id);
while (!P00062.eof())
{
   Acustid = dbocustomer.getCustid();
   Acustname = dbocustomer.getCustname();
   Acustname = Name ;
   if (P00062.getStatus() == 0) {
      P00063.executeUpd(Acustname, Acustid) ;
   }
   /* Check if program is canceled. */
   P00062.readNext();
}
P00062.close() ;
/*
   INSERT RECORD ON TABLE INVOICE
*/

Ainvid = Inv ;
Acustid = Id ;
P00064.executeUpd(Ainvid, Acustid) ;
if (P00064.duplicated())
{
   Err = 1;
   Errmsg = localUtil.getMessages().getMessage("noupdate");
}
else
{
   Err = 0;
   Errmsg = "";
}
/* End Insert */
