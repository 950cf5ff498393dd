import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;
public final class pprintinv
{
   public static void main(String args[])
   {
      PrivateUtilities.msg("Object not currently supported proc - PrintInv ");
   }

   public pprintinv(int remoteHandle, ModelContext context)
   {
   }

   public pprintinv(int remoteHandle)
   {
   }

   public void execute( )
   {
      execute_int( );
   }

   private void execute_int( )
   {
      QNutil.msg(this, "Object not currently supported proc - PrintInv ");
   }

}
