/*
               File: pdellines
        Description: Deletes an invoice's lines and the products
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
public final class pdellines extends QNProcedure
{
   public pdellines(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( pdellines.class ), "" );
   }

   public pdellines(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( QNInt aP0 )
   {
      execute_int(aP0);
   }

   private void execute_int( QNInt aP0 )
   {
      this.InvId = aP0.getValue();
      this.aP0 = aP0 ;
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      /* Optimized DELETE. */
      P00202.executeUpd(InvId) ;
      /* End optimized DELETE. */
      /* Optimized DELETE. */
      cmdBuffer = "LOCK TABLE PRODUCT IN EXCLUSIVE MODE NOWAIT";
      ExecuteDirectSQL.execute(context, remoteHandle, "oracle7", cmdBuffer, "ULCK") ;
      P00203.executeUpd() ;
      /* End optimized DELETE. */
      cleanup();
      return  ;
   }

   protected void cleanup( )
   {
      aP0.setValue( this.InvId);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      dboinvline = new dbcINVLINE(context, remoteHandle, false) ;
      P00202 = new dP00202(context, remoteHandle) ;
      cmdBuffer = "" ;
      dboproduct = new dbcPRODUCT(context, remoteHandle, false) ;
      P00203 = new dP00203(context, remoteHandle) ;
      /* Quenora formulas. */
   }

   protected int InvId ;
   protected String cmdBuffer ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected dbcINVLINE dboinvline ;
   protected dP00202 P00202 ;
   protected dbcPRODUCT dboproduct ;
   protected dP00203 P00203 ;
}

final class dP00202 extends QNDBUpdateSupplier
{
   public dP00202(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcINVLINE.getDataSourceName();
      supplierName = "dP00202" ;
      cursorId = "P00202" ;
      SQL = "DELETE FROM INVLINE WHERE (InvId = ?)" ;
   }

   public void executeUpd(int P1)
   {
      try {
         prepare();
         setParameters( P1 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dP00202" + ".executeUpd", e); }
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

final class dP00203 extends QNDBUpdateSupplier
{
   public dP00203(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcPRODUCT.getDataSourceName();
      supplierName = "dP00203" ;
      cursorId = "P00203" ;
      SQL = "DELETE FROM PRODUCT" ;
   }

   public void executeUpd()
   {
      try {
         prepare();
         setParameters();
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dP00203" + ".executeUpd", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
   }

}

