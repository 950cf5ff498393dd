/*
               File: rcustlist
        Description: Customers by region
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
public final class rcustlist extends QNReport
{
   public rcustlist(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( rcustlist.class ), "" );
   }

   public rcustlist(int remoteHandle, ModelContext context)
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
      this.From = aP0.getValue();
      this.aP0 = aP0 ;
      this.Count = aP1.getValue();
      this.aP1 = aP1 ;
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      getPrinter().QnClearAttris() ;
      lineHeight = 20 ;
      PrtOffset = 0 ;
      qnXPage = 100 ;
      qnYPage = 100 ;
      try {
         if (!initPrinter ( Qn_out, qnXPage, qnYPage, "QNPRN.INI", "Laser", "", 2, 2, 9, 2970, 2100, 0, 1, 1, 0, 1, 1 ) )
         {
            cleanup();
            return;
         }
         getPrinter().QnSetDocName("Customers by region") ;
         P_lines = qnYPage - (lineHeight * 3) ;
         getPrinter().setPageLines(P_lines) ;
         getPrinter().setLineHeight(lineHeight) ;
         R00032.fetchFirst(dbocustomer, From);
         while (!R00032.eof())
         {
            Acustid = dbocustomer.getCustid();
            Acustname = dbocustomer.getCustname();
            QnHdr1 = true;
            /* Cp command */
            if (P_lines - Line < lineHeight * 5) {
               Qn_OldLine = Line;
               Line = P_lines + 1;
            }
            testPage(20, false);
            getPrinter().QnDrawRect(0, Qn_line + 0, 640, Qn_line + 20, 1, 0, 0, 0, 1, 224, 224, 224) ;
            getPrinter().QnAttris("Courier New", 10, false, false, false, false, 0, 0, 0, 0, 0, 255, 255, 255) ;
            getPrinter().QnDrawText(format(Acustid, "ZZZZZ9"), 0, Qn_line + 2, 60, Qn_line + 18, 2) ;
            getPrinter().QnDrawText(Acustname, 70, Qn_line + 2, 400, Qn_line + 18, 0 + 256) ;
            Qn_OldLine = Line;
            Line = Line + 20;
            Count = Count+1 ;
            /* Noskip command */
            Line = Qn_OldLine;
            /* Lineno command */
            if (Line >= 40 * lineHeight) {
               Qn_OldLine = Line;
               Line = P_lines + 1;
               testPage(0, false);
            }
            Qn_OldLine = Line;
            Line = 40 * lineHeight;
            /* Eject command */
            Qn_OldLine = Line;
            Line = P_lines + 1;
            QnHdr2 = true;
            /* Check if program is canceled. */
            R00032.readNext();
         }
         R00032.close() ;
         testPage(0, true);
         getPrinter().QnEndPage() ;
         getPrinter().QnEndDocument() ;
         endPrinter();
      }
      catch ( ProcessInterruptedException e )
      {
      }
      cleanup();
      return  ;
   }

   protected void printHeaders() throws ProcessInterruptedException
   {
      if (QnHdr1) {
         getPrinter().QnDrawBitMap("c:/model/images/logo.bmp", 0, Qn_line + 0, 64, Qn_line + 32) ;
         getPrinter().QnDrawLine(0, Qn_line + 40, 640, Qn_line + 40, 2, 0, 0, 0) ;
         getPrinter().QnAttris("Arial", 12, true, false, true, false, 0, 0, 0, 128, 0, 255, 255, 255) ;
         getPrinter().QnDrawText("Customers", 80, Qn_line + 0, 400, Qn_line + 16, 1) ;
         getPrinter().QnDrawText("by region", 80, Qn_line + 16, 400, Qn_line + 32, 1) ;
         Qn_OldLine = Line;
         Line = Line + 48;
      }
   }

   protected void printFooters() throws ProcessInterruptedException
   {
      if (QnHdr2) {
         getPrinter().QnAttris("Arial", 8, false, true, false, false, 0, 0, 0, 0, 0, 255, 255, 255) ;
         getPrinter().QnDrawText("Count:", 0, Qn_line + 2, 60, Qn_line + 18, 0) ;
         getPrinter().QnDrawText(format(Count, "ZZZZZ9"), 70, Qn_line + 2, 130, Qn_line + 18, 2) ;
         Qn_OldLine = Line;
         Line = Line + 20;
      }
   }

   protected void cleanup( )
   {
      aP0.setValue( this.From);
      aP1.setValue( this.Count);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      Qn_OldLine = 0 ;
      dbocustomer = new dbcCUSTOMER(context, remoteHandle, true) ;
      R00032 = new fR00032(context, remoteHandle) ;
      Acustid = 0 ;
      Acustname = "" ;
      QnHdr1 = false ;
      QnHdr2 = false ;
      /* Quenora formulas. */
   }

   protected int From ;
   protected int Count ;
   protected int Qn_OldLine ;
   protected int Acustid ;
   protected String Acustname ;
   protected boolean QnHdr1 ;
   protected boolean QnHdr2 ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNInt aP1 ;
   protected dbcCUSTOMER dbocustomer ;
   protected fR00032 R00032 ;
}

final class fR00032 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fR00032(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = true ;
      cursorId = "R00032" ;
      supplierName = "fR00032" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE) WHERE CustId >= ? ORDER BY CustName  " ;
      readBuffer = 16384;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
      dbocustomer.setCustname(rslt.getString(2, 30));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer, int P1)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fR00032" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

