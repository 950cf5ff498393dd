/*
               File: acloseday
        Description: Closes a day
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Main program
         Connection: Explicit (dbms)
        Target DBMS: qedbase
   Operating System: Neither specified nor inferred.
 Main access method: qndata
    Use ODBC Access: Yes
*/
import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.webpanels.*;
import java.sql.*;
public final class acloseday extends QNWebProcedure
{
   public acloseday()
   {
      super();
   }

   public acloseday(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( acloseday.class ));
   }

   public void execute( )
   {
   }

   private void execute_int( )
   {
      initpars( ) ;
      Day = parseDateParm( GetNextPar( )) ;
      /* Quenora formulas */
      /* Output device settings */
      Rc = xml.xmlStartWeb( "Day") ;
      /* Check if program is canceled. */
      cleanup();
      return  ;
   }

   public static Object refClasses()
   {
      return new QNcfg();
   }

   protected void initContext( )
   {
      Application.init(QNcfg.class, false);
      context = new ModelContext(getClass());
   }

   public void webExecute( )
   {
      try {
         xml.setWriter(res.getWriter());
      } catch (java.io.IOException e) {
         System.out.println(e);
      }
      execute_int();
   }

   protected void cleanup( )
   {
      super.cleanup();
   }

   public void initialize( )
   {
      Rc = 0 ;
      xml = new XMLFunctions();
      /* Quenora formulas. */
   }

   protected short Rc ;
   protected java.util.Date Day ;
   protected XMLFunctions xml ;
}

