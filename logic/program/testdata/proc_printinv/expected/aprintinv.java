/*
               File: aprintinv
        Description: Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; Prints the invoices of the day for every customer with open orders, grouped by region and sales representative; Prints the invoices of the day for every customer with open orders, grouped by region and sales representative;
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
public final class aprintinv extends QNProcedure
{
   public static void main(String args[])
   {
      Application.setCurrentLocation("");
      QNDate aP0 = new QNDate ();
      parseParameters(args, aP0);
      Application.init(QNcfg.class);
      aprintinv pgm = new aprintinv (-1);
      Application.realMainProgram = pgm;
      pgm.execute(aP0);
   }

   private static void parseParameters(String args[], QNDate aP0)
   {
      try {
         aP0.setValue( args[0]);
      } catch (ArrayIndexOutOfBoundsException e){}
   }

   public aprintinv(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( aprintinv.class ), "" );
   }

   public aprintinv(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( QNDate aP0 )
   {
      execute_int(aP0);
   }

   private void execute_int( QNDate aP0 )
   {
      this.Ainvdate = aP0.getValue();
      this.aP0 = aP0 ;
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
      aP0.setValue( this.Ainvdate);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      /* Quenora formulas. */
   }

   protected java.util.Date Ainvdate ;
   protected boolean isRemote = false ;
   protected QNDate aP0 ;
}

