import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgza extends QNProcedure
{
   public qnrgza(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgza.class ), "" );
   }

   public qnrgza(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
      /*

         This is the first program in the reorganization process.
         It must be compiled and run before any other reorganization
         program.

      */
      /* Lock tables */
      QNReorganization.addMsg("Step 1: locking tables");
      QNReorganization.addMsg("Locking table ORDLINE");
      cmdBuffer = "LOCK TABLE ORDLINE IN EXCLUSIVE MODE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "ULCK") ;
      /* Drop integrity constraints (if any). */
      QNReorganization.addMsg("Step 2: dropping integrity constraints");
      /* Create new and temporary tables. */
      QNReorganization.addMsg("Step 3: creating new and temporary tables");
      QNReorganization.addMsg("Creating table TMPLINE");
      cmdBuffer = "DROP TABLE TMPLINE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE TMPLINE (ORDID NUMERIC(6) NOT null, ORDCODE CHAR(4) NOT null, ";
      cmdBuffer += "DUEDATE DATE, STAMP TIMESTAMP, NOTE LONG VARCHAR) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /* Creating temporary indexes. */
      cleanup();
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

