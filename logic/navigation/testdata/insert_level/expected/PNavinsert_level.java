import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavinsert_level extends QNProcedure
{
   protected dP00022 P00022 ;
   static class dP00022 extends QNDBUpdateSupplier {
      dP00022(ModelContext c, int h) { super(c, h); }
   }
   QNDBSupplier ccustomer;
   QNDBSupplier cinvoice;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      /* old_value_moves 1 [custid,custname] */
      /*
         INSERT RECORD ON TABLE customer
      */

      /* gen_level_actions 1 1 */
      /* assign_h_auxs 1 s */
      /* gen_level_actions 2 1 */
      if (NoTblObjErr.duplicated())
      {
         Err = 1;
         Errmsg = localUtil.getMessages().getMessage("noupdate");
      }
      else
      {
         Err = 0;
         Errmsg = "";
      }
      /* End Insert */
      /* old_value_moves 2 [invid] */
      /*
         INSERT RECORD ON TABLE invoice
      */

      /* gen_level_actions 1 2 */
      /* assign_h_auxs 2 s */
      /* gen_level_actions 2 2 */
      if ( true )
      {
      }
      else
      {
         Err = 0;
         Errmsg = "";
      }
      /* End Insert */
   }
}
