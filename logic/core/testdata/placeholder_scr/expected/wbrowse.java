import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class wbrowse
{
   public static void main(String args[])
   {
      PrivateUtilities.msg("Object not currently supported scr - Browse ");
   }

   public wbrowse(int remoteHandle, ModelContext context)
   {
   }

   public wbrowse(int remoteHandle)
   {
   }

   public void execute( )
   {
      execute_int( );
   }

   private void execute_int( )
   {
      QNutil.msg(this, "Object not currently supported scr - Browse ");
   }

}
