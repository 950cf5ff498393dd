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
   protected dP00023 P00023 ;
   protected dP00024 P00024 ;
   static class fP00022 extends QNDBForwardSupplier {
      fP00022(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
   }
   static class dP00023 extends QNDBUpdateSupplier {
      dP00023(ModelContext c, int h) { super(c, h); }
   }
   static class dP00024 extends QNDBUpdateSupplier {
      dP00024(ModelContext c, int h) { super(c, h); }
   }
   QNDBSupplier cinvoice;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      /* old_value_moves 1 [] */
      while (!P00022.eof())
      {
         /* gen_h_auxs 1 invoice */
         /* gen_level_actions 1 1 */
         /* assign_h_auxs 1 s */
         /* gen_level_actions 2 1 */
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
            /* gen_commit_cmd 1 1 */
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
         /* gen_return_cmd 1 [] */
         if (P00022.getStatus() == 0) {
         }
         /* gen_level_commit 1 1 */
         /* gen_level_commit 1 2 */
         /* Check if program is canceled. */
         P00022.readNext();
      }
      /* gen_db_command qnclosecur ["P00022"] */
   }
}
