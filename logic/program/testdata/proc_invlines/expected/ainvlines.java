import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
public final class ainvlines extends QNProcedure
{
   public static void main(String args[])
   {
      Application.setCurrentLocation("");
      QNInt aP0 = new QNInt ();
      QNInt aP1 = new QNInt ();
      parseParameters(args, aP0, aP1);
      Application.init(QNcfg.class);
      ainvlines pgm = new ainvlines (-1);
      Application.realMainProgram = pgm;
      pgm.execute(aP0, aP1);
   }

   private static void parseParameters(String args[], QNInt aP0, QNInt aP1)
   {
      try {
         aP0.setValue( args[0]);
         aP1.setValue( args[1]);
      } catch (ArrayIndexOutOfBoundsException e){}
   }

   public ainvlines(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( ainvlines.class ), "" );
   }

   public ainvlines(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( QNInt aP0 ,
                        QNInt aP1 )
   {
      execute_int(aP0, aP1);
   }

   private void execute_int( QNInt aP0 ,
                             QNInt aP1 )
   {
      this.CustId = aP0.getValue();
      this.aP0 = aP0 ;
      this.Lines = aP1.getValue();
      this.aP1 = aP1 ;
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      while (!P00132.eof())
      {
         Ainvid = dboinvoice.getInvid();
         Ainvdate = dboinvoice.getInvdate();
         Acustid = dboinvoice.getCustid();
         while (!P00133.eof())
         {
            Ainvid = dboinvline.getInvid();
            Alineno = dboinvline.getLineno();
            Lines = Lines+1 ;
            /* Check if program is canceled. */
            P00133.readNext();
         }
         /* Check if program is canceled. */
         P00132.readNext();
      }
      cleanup();
      return  ;
   }

   public static Object refClasses()
   {
      return new QNcfg();
   }

   protected void cleanup( )
   {
      aP0.setValue( this.CustId);
      aP1.setValue( this.Lines);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      Ainvid = 0 ;
      Ainvdate = QNutil.nullDate() ;
      Acustid = 0 ;
      Alineno = 0 ;
      /* Quenora formulas. */
   }

   protected short Alineno ;
   protected int CustId ;
   protected int Lines ;
   protected int Ainvid ;
   protected int Acustid ;
   protected java.util.Date Ainvdate ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNInt aP1 ;
   protected dbcINVOICE dboinvoice ;
   protected fP00132 P00132 ;
   protected dbcINVLINE dboinvline ;
   protected fP00133 P00133 ;
}

