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
      /* gen_sql_select nvg invoice */
      /* push_sql_level 1 invoice */
      while (!cinvoice.eof() && ( X > 1 ) && ( X < 100 ) && ( X != 7 ) && ( QNutil.strcmp(S, "") != 0 ))
      {
         if (!(( X >= 2 ) && ( QNutil.strcmp(S, "A") == 0 ) && ( X <= 50 )))
         {
            if (true) break;
         }
         /* gen_select_lock invoice 1 */
         /* gen_level_end 1 invoice */
         /* Check if program is canceled. */
         /* gen_read_next invoice 1 */
      }
   }
}
