import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qncrtdb extends QNProcedure
{
   public qncrtdb(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qncrtdb.class ), "" );
   }

   public qncrtdb(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
      /* This program creates the database to hold tables an indices. */
      cmdBuffer = "CREATE COLLECTION QNLIB";
      ExecuteDirectSQL.execute(context, remoteHandle, "as400", cmdBuffer, "DAE") ;
   }

   protected void cleanup( )
   {
   }

   public void initialize( )
   {
      cmdBuffer = "" ;
      /* Quenora formulas. */
   }

   protected String cmdBuffer ;
}

