import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavbreak_chain extends QNProcedure
{
   protected boolean BRK021 ;
   QNDBSupplier cinvoice;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      /* old_value_moves 1 [] */
      /* gen_sql_select nvg invoice */
      /* push_sql_level 1 invoice */
      while (!cinvoice.eof())
      {
         BRK021 = false;
         /* gen_select_lock invoice 1 */
         /* gen_h_auxs 1 invoice */
         /* gen_level_actions 1 1 */
         /* assign_h_auxs 1 s */
         /* gen_level_actions 2 1 */
         /* gen_level_end 1 invoice */
         /* gen_level_commit 1 1 */
         /* gen_level_commit 1 2 */
         /* Check if program is canceled. */
         if (!BRK021)
         {
            BRK021 = true;
            /* gen_read_next invoice 1 */
         }
      }
      /* old_value_moves 2 [] */
      /* gen_table_object_new invoice brk */
      while (!cinvoice.eof())
      {
         BRK021 = false;
         /* gen_select_lock invoice 2 */
         /* gen_h_auxs 2 invoice */
         /* gen_level_actions 1 2 */
         /* assign_h_auxs 2 s */
         /* gen_level_actions 2 2 */
         /* gen_level_end 2 invoice */
         /* gen_level_commit 2 1 */
         /* gen_level_commit 2 2 */
         /* Check if program is canceled. */
         BRK021 = true;
         /* gen_read_next invoice 2 */
      }
   }
}
