import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class crtjdbccalls extends QNProcedure
{
   private String cmdBuffer;

   public static void main(String args[])
   {
      Application.init(QNcfg.class);
      new crtjdbccalls(-1).execute();
   }

   public crtjdbccalls(int remoteHandle)
   {
      super(remoteHandle, new ModelContext(crtjdbccalls.class ), "" );
   }

   public void initialize( )
   {
   }

   public void execute( )
   {
      cmdBuffer = "DROP PROCEDURE SP1";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
      cmdBuffer = "CREATE PROCEDURE SP1 (IN CHAR(5) , OUT DECIMAL(9,2)) EXTERNAL NAME LIB/SP1X LANGUAGE RPG GENERAL";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
      cmdBuffer = "DROP PROCEDURE PROC1";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
      cmdBuffer = "CREATE PROCEDURE PROC1 (INOUT CHAR(10)) EXTERNAL NAME PROC1 LANGUAGE RPG GENERAL";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
      Application.commit(context, remoteHandle, "qedbase") ;
      System.exit(0);
   }

}

