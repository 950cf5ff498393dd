import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavinsert_level extends QNProcedure
{
   protected int Acustid ;
   protected String Acustname ;
   protected dP00022 P00022 ;
   static class dP00022 extends QNDBUpdateSupplier {
      dP00022(ModelContext c, int h) { super(c, h); }
      public void executeUpd(Object... values) {}
   }
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

      P00022.executeUpd(Acustid, Acustname) ;
      if (P00022.duplicated())
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
