import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavresidual7 extends QNProcedure
{
   protected int X ;
   protected String S ;
   QNDBSupplier cinvoice;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      /* old_value_moves 1 [] */
      /* gen_sql_select nvg invoice */
      /* push_sql_level 1 invoice */
      while (!cinvoice.eof() && ( X > 1 ) && ( X < 100 ) && ( X != 7 ) && ( QNutil.strcmp(S, "") != 0 ))
      {
         if (!(( X >= 2 ) && ( QNutil.strcmp(S, "A") == 0 ) && ( X <= 50 )))
         {
            if (true) break;
         }
         /* gen_select_lock invoice 1 */
         /* gen_h_auxs 1 invoice */
         /* gen_level_actions 1 1 */
         /* assign_h_auxs 1 s */
         /* gen_level_actions 2 1 */
         /* gen_level_end 1 invoice */
         /* gen_level_commit 1 1 */
         /* gen_level_commit 1 2 */
         /* Check if program is canceled. */
         /* gen_read_next invoice 1 */
      }
   }
}
