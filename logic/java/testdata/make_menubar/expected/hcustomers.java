import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.webpanels.*;
import java.sql.*;
public final class hcustomers
{
   public static void main(String args[])
   {
      PrivateUtilities.msg("Object not currently supported web - Customers ");
   }

   public hcustomers(int remoteHandle, ModelContext context)
   {
   }

   public hcustomers(int remoteHandle)
   {
   }

   public void execute( )
   {
      execute_int( );
   }

   private void execute_int( )
   {
      QNutil.msg(this, "Object not currently supported web - Customers ");
   }

}
