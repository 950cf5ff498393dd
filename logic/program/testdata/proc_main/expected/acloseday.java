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
import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
public final class acloseday extends QNProcedure
{
   public static void main(String args[])
   {
      Application.setCurrentLocation("server");
      QNInt aP0 = new QNInt ();
      QNDate aP1 = new QNDate ();
      short Hours [];
      Hours = new short [7];
      parseParameters(args, aP0, aP1, Hours);
      Application.init(QNcfg.class);
      acloseday pgm = new acloseday (-1);
      Application.realMainProgram = pgm;
      pgm.execute(aP0, aP1, Hours);
   }

   private static void parseParameters(String args[], QNInt aP0, QNDate aP1, short Hours[])
   {
      try {
         aP0.setValue( args[0]);
         aP1.setValue( args[1]);
      } catch (ArrayIndexOutOfBoundsException e){}
   }

   public acloseday(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( acloseday.class ), "server" );
   }

   public acloseday(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "server" );
   }

   public void execute( QNInt aP0 ,
                        QNDate aP1 ,
                        short Hours[] )
   {
      execute_int(aP0, aP1, Hours);
   }

   private void execute_int( QNInt aP0 ,
                             QNDate aP1 ,
                             short Hours[] )
   {
      this.Acount = aP0.getValue();
      this.aP0 = aP0 ;
      this.Aday = aP1.getValue();
      this.aP1 = aP1 ;
      this.Hours = Hours ;
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      cleanup();
      return  ;
   }

   public static Object refClasses()
   {
      return new QNcfg();
   }

   protected void cleanup( )
   {
      aP0.setValue( this.Acount);
      aP1.setValue( this.Aday);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      /* Quenora formulas. */
   }

   protected short Hours[] ;
   protected int Acount ;
   protected java.util.Date Aday ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNDate aP1 ;
}

