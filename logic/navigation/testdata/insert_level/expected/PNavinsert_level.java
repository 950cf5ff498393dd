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
      /*
         INSERT RECORD ON TABLE customer
      */

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
