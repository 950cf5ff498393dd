/*
               File: pkeeplines
        Description: Copies an invoice's lines
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
public final class pkeeplines extends QNProcedure
{
   public pkeeplines(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( pkeeplines.class ), "" );
   }

   public pkeeplines(int remoteHandle, ModelContext context)
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
      /* Optimized copy (Insert w/Subselect). */
      P00222.executeUpd(InvId) ;
      /* End optimized group. */
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
      dbohistline = new dbcHISTLINE(context, remoteHandle, false) ;
      P00222 = new dP00222(context, remoteHandle) ;
      /* Quenora formulas. */
   }

   protected int InvId ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected dbcHISTLINE dbohistline ;
   protected dP00222 P00222 ;
}

final class dP00222 extends QNDBUpdateSupplier
{
   public dP00222(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcHISTLINE.getDataSourceName();
      supplierName = "dP00222" ;
      cursorId = "P00222" ;
      SQL = "INSERT INTO HISTLINE (HInvId, HLine, HQty) SELECT InvId, LineNo, Qty FROM INVLINE WHERE (InvId = ?)" ;
   }

   public void executeUpd(int P1)
   {
      try {
         prepare();
         setParameters( P1 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dP00222" + ".executeUpd", e); }
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

