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
      /* Drop integrity constraints (if any). */
      QNReorganization.addMsg("Step 2: dropping integrity constraints");
      /* Create new and temporary tables. */
      QNReorganization.addMsg("Step 3: creating new and temporary tables");
      QNReorganization.addMsg("Creating table ORDLINE");
      cmdBuffer = "DROP TABLE ORDLINE";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE ORDLINE (ORDID NUMERIC(6), ORDCODE CHAR(4), DUEDATE DATE, STAMP ";
      cmdBuffer += "DATE, NOTE VARCHAR(200)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
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

