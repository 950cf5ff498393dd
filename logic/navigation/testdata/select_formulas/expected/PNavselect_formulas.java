import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavselect_formulas extends QNProcedure
{
   protected int Aqty ;
   protected int Xprodid ;
   protected int Qncount ;
   protected double Xamount ;
   protected double Aamount ;
   protected String Code ;
   protected boolean Qn_first ;
   protected fP00022 P00022 ;
   protected dbc20 dbo20 ;
   protected fP00023 P00023 ;
   protected fP00024 P00024 ;
   protected fP00025 P00025 ;
   protected fP00026 P00026 ;
   protected fP00027 P00027 ;
   static class fP00022 extends QNDBForwardSupplier {
      fP00022(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class dbc20 extends DatabaseClass {
      double getAmount() { return 0; }
      int getProdid() { return 0; }
      int getQty() { return 0; }
   }
   static class fP00023 extends QNDBForwardSupplier {
      fP00023(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class fP00024 extends QNDBForwardSupplier {
      fP00024(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class fP00025 extends QNDBForwardSupplier {
      fP00025(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class fP00026 extends QNDBForwardSupplier {
      fP00026(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class fP00027 extends QNDBForwardSupplier {
      fP00027(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
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
         /* Check if program is canceled. */
         P00022.readNext();
      }
      P00022.close() ;
   }

   protected double er0201pos( )
   {
      Xamount = 0 ;
      P00023.fetchFirst(dbo20);
      if ( !P00023.eof() )
      {
         Xamount = (double)(dbo20.getNumericFormula(1)) ;
      }
      P00023.close() ;
      return Xamount ;
   }

   protected double er0202big( )
   {
      Xamount = 0 ;
      Qn_first = true ;
      P00024.fetchFirst(dbo20);
      while (!P00024.eof())
      {
         Aamount = dbo20.getAmount();
         Aqty = dbo20.getQty();
         if ( ( Aqty > Code.length( ) ) )
         {
            if ( Qn_first )
            {
               Xamount = Aamount ;
               Qn_first = false ;
            }
            else
            {
               Xamount = Xamount+Aamount ;
            }
         }
         P00024.readNext();
      }
      P00024.close() ;
      return Xamount ;
   }

   protected int er0203top( )
   {
      Xamount = 0 ;
      Xprodid = 0 ;
      P00025.fetchFirst(dbo20);
      if ( !P00025.eof() )
      {
         Xamount = (double)(dbo20.getNumericFormula(1)) ;
         P00025.close() ;
         P00026.fetchFirst(dbo20, Xamount);
         if ( !P00026.eof() )
         {
            Xprodid = dbo20.getProdid();
         }
         P00026.close() ;
      }
      else
      {
         P00025.close() ;
      }
      return Xprodid ;
   }

   protected int er0204qncount( )
   {
      Qncount = 0 ;
      P00027.fetchFirst(dbo20);
      if ( !P00027.eof() )
      {
         Qncount = (int)(dbo20.getNumericFormula(1)) ;
      }
      P00027.close() ;
      return Qncount ;
   }

}
