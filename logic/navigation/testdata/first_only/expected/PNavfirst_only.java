import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavfirst_only extends QNProcedure
{
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
      if (!P00022.eof())
      {
         /* gen_h_auxs 1 invoice */
         /* gen_level_actions 1 1 */
         /* assign_h_auxs 1 s */
         /* gen_level_actions 2 1 */
         P00022.readNext();
      }
      /* gen_db_command qnclosecur ["P00022"] */
   }
}
