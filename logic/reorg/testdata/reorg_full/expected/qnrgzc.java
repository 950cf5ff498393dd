import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgzc extends QNProcedure
{
   public qnrgzc(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgzc.class ), "" );
   }

   public qnrgzc(int remoteHandle, ModelContext context)
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


         Rename auxiliary tables to the appropriate name.
      */
      QNReorganization.addMsg("Step 6: renaming tables");
      QNReorganization.addMsg("Renaming table CUSTOMER");
      cmdBuffer = "DROP TABLE CUSTOMER";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE CUSTOMER (CustId NUMERIC(6) NOT null, CustName CHAR(30), PRIMARY ";
      cmdBuffer += "KEY(CustId)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      cmdBuffer = "INSERT INTO CUSTOMER (CustId, CustName) SELECT CustId, CustName FROM TMPCUST T1";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      cmdBuffer = "DROP TABLE TMPCUST";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      QNReorganization.addMsg("Renaming table ORDERLINE");
      cmdBuffer = "DROP TABLE ORDERLINE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE ORDERLINE (InvId NUMERIC(8) NOT null, LineNo NUMERIC(4) NOT null, ";
      cmdBuffer += "ProdId NUMERIC(6), Qty NUMERIC(6), PRIMARY KEY(InvId, LineNo)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      cmdBuffer = "INSERT INTO ORDERLINE (InvId, LineNo, ProdId, Qty) SELECT InvId, LineNo, ";
      cmdBuffer += "ProdId, Qty FROM TMPLINE T1";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      cmdBuffer = "DROP TABLE TMPLINE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      QNReorganization.addMsg("Renaming table ITEM");
      cmdBuffer = "DROP TABLE SALES.ITEM";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE SALES.ITEM (ProdId NUMERIC(6) NOT null, ProdName CHAR(20), PRIMARY ";
      cmdBuffer += "KEY(ProdId)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      cmdBuffer = "INSERT INTO SALES.ITEM (ProdId, ProdName) SELECT ProdId, ProdName FROM ";
      cmdBuffer += "SALES.TMPPROD T1";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Renaming table LOG");
      cmdBuffer = "DROP TABLE LOG";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE LOG (LogId NUMERIC(8) NOT null, LogText LONG VARCHAR, PRIMARY ";
      cmdBuffer += "KEY(LogId)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      cmdBuffer = "INSERT INTO LOG (LogId, LogText) SELECT LogId, LogText FROM TMPLOG T1";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      cmdBuffer = "DROP TABLE TMPLOG";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      /* Adding attributes to tables' structure. */
      cmdBuffer = "ALTER TABLE NOTE ADD NoteMail TEXT null";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Step 7: building indexes");
      /* Indices for table CUSTOMER */
      cmdBuffer = "DROP INDEX ICUSTOMER2";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE  INDEX ICUSTOMER2 ON CUSTOMER (CustName)";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /* Referential constraints on table CUSTOMER */
      /* Indices for table INVOICE */
      cmdBuffer = "DROP INDEX IINVOICE2";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE  INDEX IINVOICE2 ON INVOICE (CustId)";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /* Referential constraints on table INVOICE */
      cmdBuffer = "ALTER TABLE INVOICE DROP CONSTRAINT IINVOICE2";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "ALTER TABLE INVOICE ADD CONSTRAINT IINVOICE2 FOREIGN KEY (CustId) REFERENCES ";
      cmdBuffer += "CUSTOMER (CustId)";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /* Indices for table ORDERLINE */
      cmdBuffer = "DROP INDEX IORDLINE2";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE  INDEX IORDLINE2 ON ORDERLINE (ProdId)";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /* Referential constraints on table ORDERLINE */
      cmdBuffer = "ALTER TABLE ORDERLINE DROP CONSTRAINT IORDLINE2";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "ALTER TABLE ORDERLINE ADD CONSTRAINT IORDLINE2 FOREIGN KEY (ProdId) REFERENCES ";
      cmdBuffer += "SALES.PRODUCT (ProdId)";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /* Indices for table ITEM */
      /* Referential constraints on table ITEM */
      /* Indices for table LOG */
      /* Referential constraints on table LOG */
      /* Indices for table NOTE */
      QNReorganization.addMsg("Dropping index INOTE3 of table NOTE");
      cmdBuffer = "DROP INDEX NOTE.INOTE3";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "DROP INDEX NOTE.INOTE2";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE  INDEX INOTE2 ON NOTE (NoteMail)";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /* Referential constraints on table NOTE */
      /* Dropping attributes from tables' structure. */
      cmdBuffer = "ALTER TABLE NOTE DROP COLUMN NoteFax";
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

