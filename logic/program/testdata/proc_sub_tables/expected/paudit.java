/*
               File: paudit
        Description: Audits customers
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
public final class paudit extends QNProcedure
{
   public paudit(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( paudit.class ), "" );
   }

   public paudit(int remoteHandle, ModelContext context)
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
      P00292.fetchFirst(dbocustomer, From);
      while (!P00292.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         Name = Acustname ;
         /* Execute user subroutine: S110T */
         S110T();
         /* Check if program is canceled. */
         P00292.readNext();
      }
      P00292.close() ;
      nUserReturn = 1;
      cleanup();
      return  ;
   }

   protected void S110T()
   {
      /* AuditRoutine */
      P00293.fetchFirst(dbocustomeraudit, From);
      while (!P00293.eof())
      {
         Acustid = dbocustomeraudit.getCustid();
         Count = Count+Acustid ;
         /* Check if program is canceled. */
         P00293.readNext();
      }
      P00293.close() ;
      /* Execute user subroutine: S120T */
      S120T();
   }

   protected void S120T()
   {
      /* NoteRoutine */
      QNutil.msg( this, Seen );
   }

   protected void cleanup( )
   {
      aP0.setValue( this.From);
      aP1.setValue( this.Count);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      dbocustomer = new dbcCUSTOMER(context, remoteHandle, false) ;
      P00292 = new fP00292(context, remoteHandle) ;
      Acustid = 0 ;
      Acustname = "" ;
      Name = "" ;
      nUserReturn = 0 ;
      Seen = "" ;
      dbocustomeraudit = new dbcCUSTOMER(context, remoteHandle, false) ;
      P00293 = new fP00293(context, remoteHandle) ;
      /* Quenora formulas. */
   }

   protected byte nUserReturn ;
   protected int From ;
   protected int Count ;
   protected int Acustid ;
   protected String Acustname ;
   protected String Name ;
   protected String Seen ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNInt aP1 ;
   protected dbcCUSTOMER dbocustomer ;
   protected fP00292 P00292 ;
   protected dbcCUSTOMER dbocustomeraudit ;
   protected fP00293 P00293 ;
}

final class fP00292 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fP00292(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "P00292" ;
      supplierName = "fP00292" ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fP00292" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fP00293 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fP00293(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "P00293" ;
      supplierName = "fP00293" ;
      SQL = "SELECT CustId  FROM CUSTOMER (LOCKING=NONE) WHERE CustId >= ? ORDER BY CustId  " ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fP00293" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

