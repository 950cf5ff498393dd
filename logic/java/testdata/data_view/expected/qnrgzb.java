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
      Application.dropPreparedCursors(context, remoteHandle);
      /* Creating final tables. */
      /* Dropping temporary indexes. */
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

