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
      /* gen_sql_select nvg invoice */
      /* push_sql_level 1 invoice */
      while (!cinvoice.eof())
      {
         BRK021 = false;
         /* gen_select_lock invoice 1 */
         /* gen_level_end 1 invoice */
         /* Check if program is canceled. */
         if (!BRK021)
         {
            BRK021 = true;
            /* gen_read_next invoice 1 */
         }
      }
      /* gen_table_object_new invoice brk */
      while (!cinvoice.eof())
      {
         BRK021 = false;
         /* gen_select_lock invoice 2 */
         /* gen_level_end 2 invoice */
         /* Check if program is canceled. */
         BRK021 = true;
         /* gen_read_next invoice 2 */
      }
   }
}
