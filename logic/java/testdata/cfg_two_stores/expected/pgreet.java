/*
               File: pgreet
        Description: Writes a greeting
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Callable routine
         Connection: Explicit (dbms)
        Target DBMS: qedbase
   Operating System: Neither specified nor inferred.
 Main access method: qndata
    Use ODBC Access: Yes
*/
import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;
public final class pgreet extends QNProcedure
{
   public pgreet(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( pgreet.class ), "" );
   }

   public pgreet(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      cleanup();
      return  ;
   }

   protected void cleanup( )
   {
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      /* Quenora formulas. */
   }

   protected boolean isRemote = false ;
}

