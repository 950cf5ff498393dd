import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavbreak_chain extends QNProcedure
{
   protected boolean BRK021 ;
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
      while (!P00022.eof())
      {
         BRK021 = false;
         /* gen_h_auxs 1 invoice */
         /* gen_level_actions 1 1 */
         /* assign_h_auxs 1 s */
         /* gen_level_actions 2 1 */
         /* old_value_moves 2 [] */
         while (!P00022.eof())
         {
            BRK021 = false;
            /* gen_h_auxs 2 invoice */
            /* gen_level_actions 1 2 */
            /* assign_h_auxs 2 s */
            /* gen_level_actions 2 2 */
            /* gen_level_commit 2 1 */
            /* gen_level_commit 2 2 */
            /* Check if program is canceled. */
            BRK021 = true;
            P00022.readNext();
         }
         /* gen_level_commit 1 1 */
         /* gen_level_commit 1 2 */
         /* Check if program is canceled. */
         if (!BRK021)
         {
            BRK021 = true;
            P00022.readNext();
         }
      }
      /* gen_db_command qnclosecur ["P00022"] */
   }
}
