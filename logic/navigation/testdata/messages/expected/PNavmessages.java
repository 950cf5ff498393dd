import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavmessages extends QNProcedure
{
   static class rcredit {
      rcredit(int h, ModelContext c) {}
      void execute() {}
   }
   static class rlimit {
      rlimit(int h, ModelContext c) {}
      void execute() {}
   }
   static class rnotify {
      rnotify(int h, ModelContext c) {}
      void execute() {}
   }
   static class rother {
      rother(int h, ModelContext c) {}
      void execute() {}
   }
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      /* Kind 1 */
      /* An error message should be issued here. */
      /* Kind 4 */
      QNutil.msg( this,  "Invoice printed" );
      /* Kind 7 */
      /* Kind 8 */
      new rcredit(remoteHandle, context).execute( ) ;
      /* Kind 9 */
      new rlimit(remoteHandle, context).execute( ) ;
      /* Kind 27 */
      new rnotify(remoteHandle, context).execute( ) ;
      /* Kind 12 */
      new rother(remoteHandle, context).execute( ) ;
      /* Kind 12 */
   }
}
