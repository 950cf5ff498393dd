import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavactions_order extends QNProcedure
{
   protected int prodkey ;
   protected int prodid ;
   protected int qty ;
   protected double listamt ;
   protected double price ;
   protected double amount ;
   protected fP00022 P00022 ;
   protected fP00023 P00023 ;
   static class fP00022 extends QNDBForwardSupplier {
      fP00022(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class fP00023 extends QNDBForwardSupplier {
      fP00023(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   QNDBSupplier cinvline;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      P00022.fetchFirst();
      while (!P00022.eof())
      {
         prodkey = prodid ;
         listamt = qty*price ;
         P00023.fetchFirst(prodkey);
         amount = qty*price ;
         listamt = qty*price ;
         if ( ( amount > 100 ) )
         {
         }
         /* Check if program is canceled. */
         P00022.readNext();
      }
      P00022.close() ;
      P00023.close() ;
   }
}
