import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgzb2 extends QNProcedure
{
   public qnrgzb2(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgzb2.class ), "" );
   }

   public qnrgzb2(int remoteHandle, ModelContext context)
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
         This program is part of program qnrgzb that is too big
         and was splitted into smaller pieces.

         This program is called by qnrgzb1.
      */
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

