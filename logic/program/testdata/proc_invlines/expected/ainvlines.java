/*
               File: ainvlines
        Description: Counts the invoice lines of a customer
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
      P00132.fetchFirst(dboinvoice, CustId);
      while (!P00132.eof())
      {
         Ainvid = dboinvoice.getInvid();
         Ainvdate = dboinvoice.getInvdate();
         Acustid = dboinvoice.getCustid();
         InvId = Ainvid ;
         QNt_QNDate1 = new QNDate(Ainvdate);
         new aprintinv(remoteHandle, context).execute( QNt_QNDate1) ;
         Ainvdate = QNt_QNDate1.getValue();
         /* Optimized group. */
         P00133.fetchFirst(dboinvline, InvId);
         cLines = (int)(dboinvline.getNumericFormula(1)) ;
         P00133.close() ;
         Lines = Lines+cLines*1 ;
         /* End optimized group. */
         /* Check if program is canceled. */
         P00132.readNext();
      }
      P00132.close() ;
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
      dboinvoice = new dbcINVOICE(context, remoteHandle, false) ;
      P00132 = new fP00132(context, remoteHandle) ;
      Ainvid = 0 ;
      Ainvdate = QNutil.nullDate() ;
      Acustid = 0 ;
      InvId = 0 ;
      QNt_QNDate1 = new QNDate();
      dboinvline = new dbcINVLINE(context, remoteHandle, false) ;
      P00133 = new fP00133(context, remoteHandle) ;
      cLines = 0 ;
      /* Quenora formulas. */
   }

   protected int CustId ;
   protected int Lines ;
   protected int Ainvid ;
   protected int Acustid ;
   protected int InvId ;
   protected int cLines ;
   protected java.util.Date Ainvdate ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNInt aP1 ;
   protected dbcINVOICE dboinvoice ;
   protected fP00132 P00132 ;
   protected QNDate QNt_QNDate1 ;
   protected dbcINVLINE dboinvline ;
   protected fP00133 P00133 ;
}

final class fP00132 extends QNDBForwardSupplier
{
   private dbcINVOICE dboinvoice ;

   public fP00132(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "P00132" ;
      supplierName = "fP00132" ;
      SQL = "SELECT InvId, InvDate, CustId  FROM INVOICE (LOCKING=NONE) WHERE CustId = ?   FOR UPDATE OF CustId" ;
      readBuffer = 16384;
   }

   public DatabaseClass getDBO()
   {
      return dboinvoice ;
   }

   public void newDBO()
   {
      dboinvoice = new dbcINVOICE ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboinvoice.setInvid(rslt.getInt(1));
      dboinvoice.setInvdate(rslt.getQNDate(2));
      dboinvoice.setCustid(rslt.getInt(3));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVOICE dboinvoice, int P1)
   {
      this.dboinvoice = dboinvoice ;
      dboinvoice.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fP00132" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fP00133 extends QNDBForwardSupplier
{
   private dbcINVLINE dboinvline ;

   public fP00133(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "P00133" ;
      supplierName = "fP00133" ;
      SQL = "SELECT COUNT(*)  FROM INVLINE (LOCKING=NONE) WHERE (InvId = ?)   " ;
      readBuffer = 16384;
   }

   public DatabaseClass getDBO()
   {
      return dboinvline ;
   }

   public void newDBO()
   {
      dboinvline = new dbcINVLINE ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboinvline.setFormula(1, rslt.getDouble(1));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVLINE dboinvline, int P1)
   {
      this.dboinvline = dboinvline ;
      dboinvline.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fP00133" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

