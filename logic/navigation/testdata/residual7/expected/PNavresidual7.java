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
   }
   QNDBSupplier cinvoice;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      /* old_value_moves 1 [] */
      while (!P00022.eof() && ( X > 1 ) && ( X < 100 ) && ( X != 7 ) && ( QNutil.strcmp(S, "") != 0 ))
      {
         if (!(( X >= 2 ) && ( QNutil.strcmp(S, "A") == 0 ) && ( X <= 50 )))
         {
            if (true) break;
         }
         /* gen_h_auxs 1 invoice */
         /* gen_level_actions 1 1 */
         /* assign_h_auxs 1 s */
         /* gen_level_actions 2 1 */
         /* gen_level_commit 1 1 */
         /* gen_level_commit 1 2 */
         /* Check if program is canceled. */
         P00022.readNext();
      }
      /* gen_db_command qnclosecur ["P00022"] */
   }
}
