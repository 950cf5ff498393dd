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
      P00022.fetchFirst(dboinvoice, Ainvdate);
      while (!P00022.eof())
      {
         Ainvid = dboinvoice.getInvid();
         Ainvdate = dboinvoice.getInvdate();
         Acustid = dboinvoice.getCustid();
         Acustname = dbocustomer.getCustname();
         P00023.fetchFirst(dbocustomer, Acustid);
         Acustname = dbocustomer.getCustname();
         Count = Count+1 ;
         /* Check if program is canceled. */
         P00022.readNext();
      }
      P00022.close() ;
      P00023.close() ;
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
      dboinvoice = new dbcINVOICE(context, remoteHandle, false) ;
      P00022 = new fP00022(context, remoteHandle) ;
      Ainvid = 0 ;
      Acustid = 0 ;
      Acustname = "" ;
      dbocustomer = new dbcCUSTOMER(context, remoteHandle, false) ;
      P00023 = new fP00023(context, remoteHandle) ;
      Count = 0 ;
      /* Quenora formulas. */
   }

   protected int Ainvid ;
   protected int Acustid ;
   protected int Count ;
   protected String Acustname ;
   protected java.util.Date Ainvdate ;
   protected boolean isRemote = false ;
   protected QNDate aP0 ;
   protected dbcINVOICE dboinvoice ;
   protected fP00022 P00022 ;
   protected dbcCUSTOMER dbocustomer ;
   protected fP00023 P00023 ;
}

final class fP00022 extends QNDBForwardSupplier
{
   private dbcINVOICE dboinvoice ;

   public fP00022(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "P00022" ;
      supplierName = "fP00022" ;
      SQL = "SELECT T1.InvId, T1.InvDate, T1.CustId, T2.CustName  FROM INVOICE (LOCKING=NONE) T1, CUSTOMER (LOCKING=NONE) T2 WHERE (T2.CustId = T1.CustId) AND ((T1.InvDate >= ?)) ORDER BY T1.InvDate  " ;
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
      // Warning 002: cannot get attribute 4
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVOICE dboinvoice, java.util.Date P1)
   {
      this.dboinvoice = dboinvoice ;
      dboinvoice.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fP00022" + ".fetchFirst", e); }
   }

   public void setParameters(java.util.Date P1)
   {
      try {
         stmt.setDate(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fP00023 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fP00023(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "P00023" ;
      supplierName = "fP00023" ;
      SQL = "SELECT CustName  FROM CUSTOMER (LOCKING=NONE) WHERE CustId = ?   FOR UPDATE OF CustId" ;
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
      dbocustomer.setCustname(rslt.getString(1, 30));
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fP00023" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

