/*
               File: pguardlines
        Description: Lines under an error handler
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Callable routine
         Connection: Explicit (dbms)
        Target DBMS: oracle7
   Operating System: Neither specified nor inferred.
 Main access method: qndata
    Use ODBC Access: Yes
*/
import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;
public final class pguardlines extends QNProcedure
{
   public pguardlines(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( pguardlines.class ), "" );
   }

   public pguardlines(int remoteHandle, ModelContext context)
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
      this.InvId = aP0.getValue();
      this.aP0 = aP0 ;
      this.Total = aP1.getValue();
      this.aP1 = aP1 ;
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      Qn_ope = "Declare" ;
      Qn_etb = "PRODUCT" ;
      P00252.fetchFirst(dboproduct);
      while (!P00252.eof())
      {
         Aprodid = dboproduct.getProdid();
         Aproddsc = dboproduct.getProddsc();
         // Set error handler to ErrProc
         QNCSERH = "U110P2";
         Aproddsc = "none" ;
         QNCSERH = "U120P2"; // Reset error handler
         if (P00252.getStatus() == 0) {
            Qn_ope = "Update" ;
            Qn_etb = "PRODUCT" ;
            P00253.executeUpd(Aproddsc, Aprodid) ;
         }
         /* Check if program is canceled. */
         P00252.readNext();
      }
      P00252.close() ;
      /* Optimized DELETE. */
      Qn_ope = "Delete" ;
      Qn_etb = "INVLINE" ;
      P00254.executeUpd(InvId) ;
      /* End optimized DELETE. */
      /* Optimized group. */
      Qn_ope = "Fetch" ;
      Qn_etb = "INVLINE" ;
      P00255.fetchFirst(dboinvline, InvId);
      cqty = (int)(dboinvline.getNumericFormula(1)) ;
      P00255.close() ;
      Total = Total+cqty ;
      /* End optimized group. */
      /* Optimized copy (Insert w/Subselect). */
      Qn_ope = "Insert" ;
      Qn_etb = "HISTLINE" ;
      P00256.executeUpd(InvId) ;
      /* End optimized group. */
      cleanup();
      return  ;
   }

   protected void cleanup( )
   {
      aP0.setValue( this.InvId);
      aP1.setValue( this.Total);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      Qn_ope = "" ;
      Qn_etb = "" ;
      dboproduct = new dbcPRODUCT(context, remoteHandle, false) ;
      P00252 = new fP00252(context, remoteHandle) ;
      Aprodid = 0 ;
      Aproddsc = "" ;
      QNCSERH = "" ;
      P00253 = new dP00253(context, remoteHandle) ;
      dboinvline = new dbcINVLINE(context, remoteHandle, false) ;
      P00254 = new dP00254(context, remoteHandle) ;
      P00255 = new fP00255(context, remoteHandle) ;
      cqty = 0 ;
      dbohistline = new dbcHISTLINE(context, remoteHandle, false) ;
      P00256 = new dP00256(context, remoteHandle) ;
      /* Quenora formulas. */
   }

   protected int InvId ;
   protected int Total ;
   protected int Aprodid ;
   protected int cqty ;
   protected String Qn_ope ;
   protected String Qn_etb ;
   protected String Aproddsc ;
   protected String QNCSERH ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNInt aP1 ;
   protected dbcPRODUCT dboproduct ;
   protected fP00252 P00252 ;
   protected dP00253 P00253 ;
   protected dbcINVLINE dboinvline ;
   protected dP00254 P00254 ;
   protected fP00255 P00255 ;
   protected dbcHISTLINE dbohistline ;
   protected dP00256 P00256 ;
}

final class fP00252 extends QNDBForwardSupplier
{
   private dbcPRODUCT dboproduct ;

   public fP00252(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "P00252" ;
      supplierName = "fP00252" ;
      SQL = "SELECT ProdId, ProdDsc  FROM PRODUCT    " ;
      readBuffer = 16384;
   }

   public DatabaseClass getDBO()
   {
      return dboproduct ;
   }

   public void newDBO()
   {
      dboproduct = new dbcPRODUCT ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboproduct.setProdid(rslt.getInt(1));
      dboproduct.setProddsc(rslt.getString(2, 40));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcPRODUCT dboproduct)
   {
      this.dboproduct = dboproduct ;
      dboproduct.unloadAll();
      try {
         prepare();
         setParameters();
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fP00252" + ".fetchFirst", e); }
   }

}

final class dP00253 extends QNDBUpdateSupplier
{
   public dP00253(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcPRODUCT.getDataSourceName();
      supplierName = "dP00253" ;
      cursorId = "P00253" ;
      SQL = "UPDATE PRODUCT SET ProdDsc = ? WHERE ProdId = ?" ;
   }

   public void executeUpd(String P1, int P2)
   {
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dP00253" + ".executeUpd", e); }
   }

   public void setParameters(String P1, int P2)
   {
      try {
         stmt.setString(1, P1, 40);
         stmt.setInt(2, P2);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setString(1, qnu.readString(), 40);
         stmt.setInt(2, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dP00254 extends QNDBUpdateSupplier
{
   public dP00254(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcINVLINE.getDataSourceName();
      supplierName = "dP00254" ;
      cursorId = "P00254" ;
      SQL = "DELETE FROM INVLINE WHERE (InvId = ?)" ;
   }

   public void executeUpd(int P1)
   {
      try {
         prepare();
         setParameters( P1 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dP00254" + ".executeUpd", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fP00255 extends QNDBForwardSupplier
{
   private dbcINVLINE dboinvline ;

   public fP00255(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "P00255" ;
      supplierName = "fP00255" ;
      SQL = "SELECT SUM(Qty)  FROM INVLINE WHERE (InvId = ?)   " ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fP00255" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dP00256 extends QNDBUpdateSupplier
{
   public dP00256(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcHISTLINE.getDataSourceName();
      supplierName = "dP00256" ;
      cursorId = "P00256" ;
      SQL = "INSERT INTO HISTLINE (HInvId, HLine, HQty) SELECT InvId, LineNo, Qty FROM INVLINE WHERE (InvId = ?)" ;
   }

   public void executeUpd(int P1)
   {
      try {
         prepare();
         setParameters( P1 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dP00256" + ".executeUpd", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

