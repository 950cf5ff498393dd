import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavcommands extends QNProcedure
{
   protected byte nUserReturn ;
   protected int X ;
   protected fP00022 P00022 ;
   static class fP00022 extends QNDBForwardSupplier {
      fP00022(ModelContext c, int h) { super(c, h); }
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
            }
            if (true) break;
         }
         /* User Code */
         /* [! */
         X = X * 2;
         /* !] */
         nUserReturn = 1;
         if (P00022.getStatus() == 0) {
         }
         /* Check if program is canceled. */
         P00022.readNext();
      }
      P00022.close() ;
   }
}
