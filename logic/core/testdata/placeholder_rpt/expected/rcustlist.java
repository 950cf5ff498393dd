import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;
public final class rcustlist
{
   public static void main(String args[])
   {
      PrivateUtilities.msg("Object not currently supported rpt - CustList ");
   }

   public rcustlist(int remoteHandle, ModelContext context)
   {
   }

   public rcustlist(int remoteHandle)
   {
   }

   public void execute( )
   {
      execute_int( );
   }

   private void execute_int( )
   {
      QNutil.msg(this, "Object not currently supported rpt - CustList ");
   }

}
