import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavinsert_level extends QNProcedure
{
   QNDBSupplier ccustomer;
   QNDBSupplier cinvoice;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      /* gen_table_object_new customer ins */
      /*
         INSERT RECORD ON TABLE customer
      */

      /* gen_sql_insert customer 1 */
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
      /* gen_table_object_new invoice ins */
      /*
         INSERT RECORD ON TABLE invoice
      */

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
