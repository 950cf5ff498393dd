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
      lineHeight = 16 ;
      PrtOffset = 0 ;
      qnXPage = 96 ;
      qnYPage = 96 ;
      try {
         if (!initPrinter ( Qn_out, qnXPage, qnYPage, "QNPRN.INI", "", "", 1, 1, 1, 0, 0, 0, 1, 1, 0, 1, 1 ) )
         {
            cleanup();
            return;
         }
         getPrinter().QnSetDocName("Customers by region") ;
         P_lines = qnYPage - (lineHeight * 6) ;
         getPrinter().setPageLines(P_lines) ;
         getPrinter().setLineHeight(lineHeight) ;
         QnHdr0_2 = true;
         testPage(20, false);
         getPrinter().QnAttris("Arial", 12, true, false, false, false, 0, 0, 0, 0, 0, 255, 255, 255) ;
         getPrinter().QnDrawText("Customers", 0, Qn_line + 0, 400, Qn_line + 16, 0) ;
         Qn_OldLine = Line;
         Line = Line + 20;
         R00032.fetchFirst(dbocustomer, From);
         while (!R00032.eof())
         {
            Acustid = dbocustomer.getCustid();
            Acustname = dbocustomer.getCustname();
            testPage(20, false);
            getPrinter().QnAttris("Arial", 10, false, false, false, false, 0, 0, 0, 0, 0, 255, 255, 255) ;
            getPrinter().QnDrawText(Acustname, 0, Qn_line + 2, 400, Qn_line + 18, 0) ;
            Qn_OldLine = Line;
            Line = Line + 20;
            /* Execute user subroutine: S1103 */
            S1103();
            QnHdr1_2 = true;
            /* Check if program is canceled. */
            R00032.readNext();
         }
         R00032.close() ;
         testPage(20, false);
         getPrinter().QnAttris("Arial", 10, false, false, false, false, 0, 0, 0, 0, 0, 255, 255, 255) ;
         getPrinter().QnDrawText(format(Count, "ZZZZZ9"), 0, Qn_line + 2, 60, Qn_line + 18, 2) ;
         Qn_OldLine = Line;
         Line = Line + 20;
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

   protected void S1103() throws ProcessInterruptedException
   {
      /* TallyRoutine */
      Count = Count+1 ;
   }

   protected void printHeaders() throws ProcessInterruptedException
   {
      if (QnHdr0_2) {
         getPrinter().QnAttris("Arial", 12, true, false, false, false, 0, 0, 0, 0, 0, 255, 255, 255) ;
         getPrinter().QnDrawText("Customers", 0, Qn_line + 0, 400, Qn_line + 16, 0) ;
         Qn_OldLine = Line;
         Line = Line + 20;
      }
   }

   protected void printFooters() throws ProcessInterruptedException
   {
      if (QnHdr1_2) {
         getPrinter().QnAttris("Arial", 10, false, false, false, false, 0, 0, 0, 0, 0, 255, 255, 255) ;
         getPrinter().QnDrawText(format(Count, "ZZZZZ9"), 0, Qn_line + 2, 60, Qn_line + 18, 2) ;
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
      QnHdr0_2 = false ;
      dbocustomer = new dbcCUSTOMER(context, remoteHandle, true) ;
      R00032 = new fR00032(context, remoteHandle) ;
      Acustid = 0 ;
      Acustname = "" ;
      QnHdr1_2 = false ;
      /* Quenora formulas. */
   }

   protected int From ;
   protected int Count ;
   protected int Qn_OldLine ;
   protected int Acustid ;
   protected String Acustname ;
   protected boolean QnHdr0_2 ;
   protected boolean QnHdr1_2 ;
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

