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
      QNReorganization.addMsg("Locking table CUSTOMER");
      cmdBuffer = "LOCK TABLE CUSTOMER IN EXCLUSIVE MODE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "ULCK") ;
      QNReorganization.addMsg("Locking table INVOICE");
      cmdBuffer = "LOCK TABLE INVOICE IN EXCLUSIVE MODE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF;ULCK") ;
      QNReorganization.addMsg("Locking table ORDLINE");
      cmdBuffer = "LOCK TABLE ORDLINE IN EXCLUSIVE MODE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "ULCK") ;
      cmdBuffer = "LOCK TABLE ORDERLINE IN EXCLUSIVE MODE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "ULCK") ;
      QNReorganization.addMsg("Locking table PRODUCT");
      cmdBuffer = "LOCK TABLE SALES.PRODUCT IN EXCLUSIVE MODE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "ULCK") ;
      cmdBuffer = "LOCK TABLE SALES.ITEM IN EXCLUSIVE MODE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "ULCK") ;
      QNReorganization.addMsg("Locking table LOG");
      cmdBuffer = "LOCK TABLE LOG IN EXCLUSIVE MODE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "ULCK") ;
      QNReorganization.addMsg("Locking table NOTE");
      /* Drop integrity constraints (if any). */
      QNReorganization.addMsg("Step 2: dropping integrity constraints");
      QNReorganization.addMsg("Dropping constraints of table CUSTOMER");
      QNReorganization.addMsg("Dropping constraints of table ORDLINE");
      cmdBuffer = "ALTER TABLE ORDLINE DROP CONSTRAINT IORDLINE2";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      QNReorganization.addMsg("Dropping constraints of table PRODUCT");
      QNReorganization.addMsg("Dropping constraints of table LOG");
      QNReorganization.addMsg("Dropping constraints of table NOTE");
      /* Create new and temporary tables. */
      QNReorganization.addMsg("Step 3: creating new and temporary tables");
      QNReorganization.addMsg("Creating table TMPCUST");
      cmdBuffer = "DROP TABLE TMPCUST";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE TMPCUST (CustId NUMERIC(6) NOT null, CustName CHAR(30)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table INVOICE");
      cmdBuffer = "DROP TABLE INVOICE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE INVOICE (InvId NUMERIC(8) NOT null, CustId NUMERIC(6), InvDate ";
      cmdBuffer += "DATE, PRIMARY KEY(InvId)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table TMPLINE");
      cmdBuffer = "DROP TABLE TMPLINE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE TMPLINE (InvId NUMERIC(8) NOT null, LineNo NUMERIC(4) NOT null, ";
      cmdBuffer += "ProdId NUMERIC(6), Qty NUMERIC(6)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table TMPPROD");
      cmdBuffer = "DROP TABLE SALES.TMPPROD";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE SALES.TMPPROD (ProdId NUMERIC(6) NOT null, ProdName CHAR(20)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table TMPLOG");
      cmdBuffer = "DROP TABLE TMPLOG";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE TMPLOG (LogId NUMERIC(8) NOT null, LogText LONG VARCHAR) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /* Creating temporary indexes. */
      QNReorganization.addMsg("Creating index TMPLOG (temp)");
      cmdBuffer = "CREATE UNIQUE INDEX ITMPLOG ON TMPLOG (LogId)";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
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

