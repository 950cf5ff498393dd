import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavvert_formula extends QNProcedure
{
   protected int Ainvid ;
   protected double Ainvtotal ;
   protected double Alineamoun ;
   protected boolean Qn_first ;
   protected fP00022 P00022 ;
   protected dbc21 dbo21 ;
   protected fP00023 P00023 ;
   static class fP00022 extends QNDBForwardSupplier {
      fP00022(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class dbc21 extends DatabaseClass {
      double getLineamount() { return 0; }
   }
   static class fP00023 extends QNDBForwardSupplier {
      fP00023(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   QNDBSupplier c21;
   QNDBSupplier cinvoice;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      P00022.fetchFirst();
      while (!P00022.eof())
      {
         vr027( Ainvid) ;
         if ( ( Ainvtotal > 100 ) )
         {
         }
         /* Check if program is canceled. */
         P00022.readNext();
      }
      P00022.close() ;
   }

   protected void vr027( int Ainvid )
   {
      /* Navigation */
      Ainvtotal = 0 ;
      Qn_first = true ;
      P00023.fetchFirst(dbo21, Ainvid);
      while (!P00023.eof())
      {
         Alineamoun = dbo21.getLineamount();
         if ( Qn_first )
         {
            Ainvtotal = Alineamoun ;
            Qn_first = false ;
         }
         else
         {
            Ainvtotal = Ainvtotal+Alineamoun ;
         }
         P00023.readNext();
      }
      P00023.close() ;
   }

}
