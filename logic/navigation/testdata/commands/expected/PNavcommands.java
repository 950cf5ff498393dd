import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavcommands extends QNProcedure
{
   protected byte nUserReturn ;
   protected int X ;
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
         /* gen_select_lock invoice 1 */
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
            /* gen_sql_update invoice 1 */
            if (true) break;
         }
         /* User Code */
         /* [! */
         X = X * 2;
         /* !] */
         nUserReturn = 1;
         /* gen_sql_update invoice 1 */
         /* gen_level_end 1 invoice */
         /* Check if program is canceled. */
         /* gen_read_next invoice 1 */
      }
   }
}
