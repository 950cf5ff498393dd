import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qncrtdb extends QNProcedure
{
   public qncrtdb(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qncrtdb.class ), "" );
   }

   public qncrtdb(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
      /* This program creates the database to hold tables an indices. */
      // API  Driver qedbf does not require or allow remote
      // database creation.
   }

   protected void cleanup( )
   {
   }

   public void initialize( )
   {
      /* Quenora formulas. */
   }

}

