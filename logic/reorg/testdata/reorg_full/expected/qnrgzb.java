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
      QNReorganization.addMsg("Running program P001");
      new p001(remoteHandle, context).execute( ) ;
      QNReorganization.addMsg("Running program P003");
      new p003(remoteHandle, context).execute( ) ;
      QNReorganization.addMsg("Running program P005");
      new p005(remoteHandle, context).execute( ) ;
      Application.dropPreparedCursors(context, remoteHandle);
      /* Creating final tables. */
      cmdBuffer = "DROP TABLE CUSTOMER";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE CUSTOMER (CustId NUMERIC(6) NOT null, CustName CHAR(30), PRIMARY ";
      cmdBuffer += "KEY(CustId)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      if ( ( QNutil.strcmp(QNutil.upper( QNutil.userId( "Server", context, remoteHandle, "db2")), "SALES") != 0 ) )
      {
         QNReorganization.addMsg("Creating final table ITEM");
         cmdBuffer = "DROP TABLE SALES.ITEM";
         ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
         cmdBuffer = "CREATE TABLE SALES.ITEM (ProdId NUMERIC(6) NOT null, ProdName CHAR(20), PRIMARY ";
         cmdBuffer += "KEY(ProdId)) ";
         ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      }
      cmdBuffer = "DROP TABLE LOG";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE LOG (LogId NUMERIC(8) NOT null, LogText LONG VARCHAR, PRIMARY ";
      cmdBuffer += "KEY(LogId)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /* Dropping temporary indexes. */
      QNReorganization.addMsg("Dropping index TMPLOG (temp)");
      cmdBuffer = "DROP INDEX ITMPLOG";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
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

