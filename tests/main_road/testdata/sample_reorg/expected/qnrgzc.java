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
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer, "FNF") ;
      cmdBuffer = "EXEC sp_rename 'TMPLINE', 'ORDLINE'";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
      /* Adding attributes to tables' structure. */
      cmdBuffer = "ALTER TABLE CUSTOMER ADD CUSTNAME char(30) null";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
      QNReorganization.addMsg("Step 7: building indexes");
      /* Indices for table PRODUCT */
      cmdBuffer = "DROP INDEX PRODUCT.IPRODUCT";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE UNIQUE INDEX IPRODUCT ON PRODUCT (PRODID)";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
      /* Referential constraints on table PRODUCT */
      /* Indices for table CUSTOMER */
      /* Referential constraints on table CUSTOMER */
      /* Indices for table ORDLINE */
      cmdBuffer = "DROP INDEX ORDLINE.IINVLINE";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE UNIQUE CLUSTERED INDEX IINVLINE ON ORDLINE (INVID,LINENO)";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
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

