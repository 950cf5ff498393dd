import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavresidual7 extends QNProcedure
{
   protected int X ;
   protected String S ;
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
      while (!P00022.eof() && ( X > 1 ) && ( X < 100 ) && ( X != 7 ) && ( QNutil.strcmp(S, "") != 0 ))
      {
         if (!(( X >= 2 ) && ( QNutil.strcmp(S, "A") == 0 ) && ( X <= 50 )))
         {
            if (true) break;
         }
         /* Check if program is canceled. */
         P00022.readNext();
      }
      P00022.close() ;
   }
}
