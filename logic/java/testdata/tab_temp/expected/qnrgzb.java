import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgzb extends QNProcedure
{
   public qnrgzb(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgzb.class ), "" );
   }

   public qnrgzb(int remoteHandle, ModelContext context)
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

         This program controls table creation either for the creation or
         reorganization processes.


         Execute reorganization programs (none if creating the database).
      */
      QNReorganization.addMsg("Step 4: running conversion programs");
      QNReorganization.addMsg("Running program P007");
      new p007(remoteHandle, context).execute( ) ;
      Application.dropPreparedCursors(context, remoteHandle);
      /* Creating final tables. */
      cmdBuffer = "DROP TABLE ORDLINE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE ORDLINE (ORDID NUMERIC(6) NOT null, ORDCODE CHAR(4) NOT null, ";
      cmdBuffer += "DUEDATE DATE, STAMP TIMESTAMP, NOTE LONG VARCHAR, PRIMARY KEY(ORDID, ORDCODE)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /* Dropping temporary indexes. */
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

