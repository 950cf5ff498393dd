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
      QNReorganization.addMsg("Renaming table ORDLINE");
      cmdBuffer = "DROP TABLE ORDLINE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE ORDLINE (ORDID NUMERIC(6) NOT null, ORDCODE CHAR(4) NOT null, ";
      cmdBuffer += "DUEDATE DATE, STAMP TIMESTAMP, NOTE LONG VARCHAR, PRIMARY KEY(ORDID, ORDCODE)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      cmdBuffer = "INSERT INTO ORDLINE (ORDID, ORDCODE, DUEDATE, STAMP, NOTE) SELECT ORDID, ";
      cmdBuffer += "ORDCODE, DUEDATE, STAMP, NOTE FROM TMPLINE T1";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      cmdBuffer = "DROP TABLE TMPLINE";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      /* Adding attributes to tables' structure. */
      QNReorganization.addMsg("Step 7: building indexes");
      /* Indices for table ORDLINE */
      /* Referential constraints on table ORDLINE */
      /* Dropping attributes from tables' structure. */
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

