import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavcommands extends QNProcedure
{
   protected byte nUserReturn ;
   protected int X ;
   protected int Ainvid ;
   protected double Atotal ;
   protected fP00022 P00022 ;
   protected dP00023 P00023 ;
   protected dP00024 P00024 ;
   static class fP00022 extends QNDBForwardSupplier {
      fP00022(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class dP00023 extends QNDBUpdateSupplier {
      dP00023(ModelContext c, int h) { super(c, h); }
      public void executeUpd(Object... values) {}
   }
   static class dP00024 extends QNDBUpdateSupplier {
      dP00024(ModelContext c, int h) { super(c, h); }
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
         if ( ( X > 1 ) )
         {
            X = X-1 ;
         }
         else
         {
            while ( ( X < 10 ) )
            {
               X = X+1 ;
               if (true) break;
            }
         }
         if ( ( X == 1 ) )
         {
         }
         else
         {
            /* Exit For each command. Update data (if necessary), close cursors & exit. */
            if (P00022.getStatus() == 0) {
               P00023.executeUpd(Atotal, Ainvid) ;
            }
            if (true) break;
         }
         /* User Code */
         /* [! */
         X = X * 2;
         /* !] */
         nUserReturn = 1;
         if (P00022.getStatus() == 0) {
            P00024.executeUpd(Atotal, Ainvid) ;
         }
         /* Check if program is canceled. */
         P00022.readNext();
      }
      P00022.close() ;
   }
}
