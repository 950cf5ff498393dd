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
      /* Quenora formulas. */
   }

}

