import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavold_values extends QNProcedure
{
   protected int Ainvid ;
   protected double Ototal ;
   protected double Atotal ;
   protected double Etotal ;
   protected String Ostatus ;
   protected String Astatus ;
   protected fP00022 P00022 ;
   protected dP00023 P00023 ;
   static class fP00022 extends QNDBForwardSupplier {
      fP00022(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class dP00023 extends QNDBUpdateSupplier {
      dP00023(ModelContext c, int h) { super(c, h); }
      public void executeUpd(Object... values) {}
   }
   QNDBSupplier cinvoice;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      P00022.fetchFirst();
      while (!P00022.eof())
      {
         Ototal = Atotal ;
         if ( ( Ototal != Etotal ) )
         {
            Atotal = Atotal*2 ;
            Ostatus = Astatus ;
            if (P00022.getStatus() == 0) {
               P00023.executeUpd(Atotal, Astatus, Ainvid) ;
            }
         }
         /* Check if program is canceled. */
         P00022.readNext();
      }
      P00022.close() ;
   }
}
