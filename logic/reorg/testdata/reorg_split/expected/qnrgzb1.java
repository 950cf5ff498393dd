import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgzb1 extends QNProcedure
{
   public qnrgzb1(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgzb1.class ), "" );
   }

   public qnrgzb1(int remoteHandle, ModelContext context)
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

         This program is called by qnrgzb.
      */
      /*
         Source code for the original file qnrgzb is too big.
         The code is splitted into smaller pieces.
      */
      new qnrgzb2(remoteHandle, context).execute( ) ;
   }

   protected void cleanup( )
   {
   }

   public void initialize( )
   {
      /* Quenora formulas. */
   }

}

