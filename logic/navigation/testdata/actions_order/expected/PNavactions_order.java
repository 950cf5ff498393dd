import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavactions_order extends QNProcedure
{
   protected short Alineno ;
   protected int Ainvid ;
   protected int Aprodid ;
   protected int Aqty ;
   protected int Aprodkey ;
   protected double Alistamt ;
   protected double Aprice ;
   protected double Aamount ;
   protected dbc20 dbo20 ;
   protected fP00022 P00022 ;
   protected dbc30 dbo30 ;
   protected fP00023 P00023 ;
   static class dbc20 extends DatabaseClass {
      int getInvid() { return 0; }
      int getProdid() { return 0; }
      int getQty() { return 0; }
      short getLineno() { return 0; }
   }
   static class fP00022 extends QNDBForwardSupplier {
      fP00022(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class dbc30 extends DatabaseClass {
      double getPrice() { return 0; }
   }
   static class fP00023 extends QNDBForwardSupplier {
      fP00023(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      P00022.fetchFirst(dbo20);
      while (!P00022.eof())
      {
         Ainvid = dbo20.getInvid();
         Alineno = dbo20.getLineno();
         Aprodid = dbo20.getProdid();
         Aqty = dbo20.getQty();
         Aprodkey = Aprodid ;
         Alistamt = Aqty*Aprice ;
         P00023.fetchFirst(dbo30, Aprodkey);
         Aprice = dbo30.getPrice();
         Aamount = Aqty*Aprice ;
         Alistamt = Aqty*Aprice ;
         if ( ( Aamount > 100 ) )
         {
         }
         /* Check if program is canceled. */
         P00022.readNext();
      }
      P00022.close() ;
      P00023.close() ;
   }
}
