/*
               File: pcommands
        Description: Runs commands
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Callable routine
         Connection: Explicit (dbms)
        Target DBMS: oracle7
   Operating System: Neither specified nor inferred.
 Main access method: qndata
    Use ODBC Access: Yes
*/
import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;
public final class pcommands extends QNProcedure
{
   public pcommands(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( pcommands.class ), "" );
   }

   public pcommands(int remoteHandle, ModelContext context)
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
      QNutil.msg( this, "Starting" );
      msgStatus( "Working" );
      QNutil.confirm( me(), "Go on?" , false );
      Application.commit(context, remoteHandle, "DEFAULT");
      Application.rollback(context, remoteHandle, "DEFAULT");
      /* User SQL Command. */
      cmdBuffer = "DELETE FROM INVLINE";
      ExecuteDirectSQL.execute(context, remoteHandle, "oracle7", cmdBuffer) ;
      /* Execute user subroutine: S110S */
      S110S();
      if ( ( Count > 100 ) )
      {
         nUserReturn = 1;
         cleanup();
         if (true) return;
      }
      nUserReturn = 1;
      cleanup();
      return  ;
   }

   protected void S110S()
   {
      /* RecountRoutine */
      Count = 0 ;
   }

   protected void QNStart()
   {
      /* Execute user event: E120S */
      E120S();
   }

   protected void E120S()
   {
      /* StartRoutine */
      Count = 1 ;
   }

   protected void QNExit()
   {
      /* Execute user event: E130S */
      E130S();
   }

   protected void E130S()
   {
      /* ExitRoutine */
      QNutil.msg( this, "Done" );
   }

   protected void cleanup( )
   {
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      cmdBuffer = "" ;
      Count = 0 ;
      nUserReturn = 0 ;
      /* Quenora formulas. */
   }

   protected byte nUserReturn ;
   protected int Count ;
   protected String cmdBuffer ;
   protected boolean isRemote = false ;
}

