/*
               File: atotals
        Description: Totals
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
public final class atotals extends QNProcedure implements IRemoteProcedureWrapper
{
   public static void main(String args[])
   {
      Application.setCurrentLocation("");
      QNInt aP0 = new QNInt ();
      QNString aP1 = new QNString ();
      int Parts [];
      Parts = new int [5];
      parseParameters(args, aP0, aP1, Parts);
      Application.init(QNcfg.class);
      atotals pgm = new atotals (-1);
      Application.realMainProgram = pgm;
      pgm.execute(aP0, aP1, Parts);
   }

   private static void parseParameters(String args[], QNInt aP0, QNString aP1, int Parts[])
   {
      try {
         aP0.setValue( args[0]);
         aP1.setValue( args[1]);
      } catch (ArrayIndexOutOfBoundsException e){}
   }

   public atotals(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( atotals.class ), "" );
   }

   public atotals(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public byte[] execute(byte[] parms)
   {
      QNParameterPacker qnp_o = new QNParameterPacker();
      try
      {
         QNParameterUnpacker qnp_i = new QNParameterUnpacker(parms);
         QNInt aP0 = new QNInt ( qnp_i.readInt ());
         QNString aP1 = new QNString ( qnp_i.readString ());
         Parts = qnp_i.readIntArray();

         isRemote = true;
         execute_int(aP0, aP1, Parts);

         qnp_o.writeInt(aP0.getValue());
         qnp_o.writeString(aP1.getValue());
         qnp_o.writeInt(Parts);
      }
      catch (Throwable e)
      {
         PrivateUtilities.throwRemoteException(e);
      }
      return qnp_o.toByteArray();
   }

   public void execute( QNInt aP0 ,
                        QNString aP1 ,
                        int Parts[] )
   {
      if (isRemoteProcedure())
      {
         QNParameterPacker qnp_o = new QNParameterPacker();
         qnp_o.writeInt(aP0.getValue());
         qnp_o.writeString(aP1.getValue());
         qnp_o.writeInt(Parts);

         QNParameterUnpacker qnp_i = new QNParameterUnpacker( Application.getRemoteProcedure(context, remoteHandle, "atotals", "").execute( qnp_o.toByteArray()));

         aP0.setValue( qnp_i.readInt() );
         aP1.setValue( qnp_i.readString() );
         System.arraycopy(qnp_i.readIntArray(), 0, Parts, 0, Parts.length);
         exitApplication();
      }
      else
      {
         execute_int(aP0, aP1, Parts);
      }
   }

   private void execute_int( QNInt aP0 ,
                             QNString aP1 ,
                             int Parts[] )
   {
      this.Atotal = aP0.getValue();
      this.aP0 = aP0 ;
      this.Alabel = aP1.getValue();
      this.aP1 = aP1 ;
      this.Parts = Parts ;
      initialize();
      Application.setCurrentLocation( "" );
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
      aP0.setValue( this.Atotal);
      aP1.setValue( this.Alabel);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      /* Quenora formulas. */
   }

   protected int Atotal ;
   protected int Parts[] ;
   protected String Alabel ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNString aP1 ;
}

