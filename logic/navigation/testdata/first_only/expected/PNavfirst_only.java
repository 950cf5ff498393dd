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
      /* gen_sql_select xfst invoice */
      /* push_sql_level 1 invoice */
      if (!cinvoice.eof())
      {
         /* gen_select_lock invoice 1 */
         /* gen_level_end 1 invoice */
         /* gen_read_next invoice 1 */
      }
   }
}
