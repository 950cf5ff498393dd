import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavfirst_only extends QNProcedure
{
   QNDBSupplier cinvoice;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      /* old_value_moves 1 [] */
      /* gen_sql_select xfst invoice */
      /* push_sql_level 1 invoice */
      if (!cinvoice.eof())
      {
         /* gen_select_lock invoice 1 */
         /* gen_h_auxs 1 invoice */
         /* gen_level_actions 1 1 */
         /* assign_h_auxs 1 s */
         /* gen_level_actions 2 1 */
         /* gen_level_end 1 invoice */
         /* gen_read_next invoice 1 */
      }
   }
}
