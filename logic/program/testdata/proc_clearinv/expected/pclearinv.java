/*
               File: pclearinv
        Description: Clears an invoice and totals its customer
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
public final class pclearinv extends QNProcedure
{
   public pclearinv(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( pclearinv.class ), "" );
   }

   public pclearinv(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( QNInt aP0 ,
                        QNInt aP1 ,
                        QNInt aP2 )
   {
      execute_int(aP0, aP1, aP2);
   }

   private void execute_int( QNInt aP0 ,
                             QNInt aP1 ,
                             QNInt aP2 )
   {
      this.InvId = aP0.getValue();
      this.aP0 = aP0 ;
      this.CustId = aP1.getValue();
      this.aP1 = aP1 ;
      this.Total = aP2.getValue();
      this.aP2 = aP2 ;
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      /* Optimized DELETE. */
      P00142.executeUpd(InvId) ;
      /* End optimized DELETE. */
      /* Stored procedure call */
      packer.reset();
      packer.writeInt(CustId);
      packer.writeInt(Total);
      unpacker.reset(P00143.execute(packer.toByteArray()));
      CustId = unpacker.readInt();
      Total = unpacker.readInt();
      /* End stored procedure call */
      cleanup();
      return  ;
   }

   protected void cleanup( )
   {
      aP0.setValue( this.InvId);
      aP1.setValue( this.CustId);
      aP2.setValue( this.Total);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      dboinvline = new dbcINVLINE(context, remoteHandle, false) ;
      P00142 = new dP00142(context, remoteHandle) ;
      packer = new QNParameterPacker() ;
      unpacker = new QNParameterUnpacker() ;
      P00143 = new callP00143(remoteHandle) ;
      /* Quenora formulas. */
   }

   protected int InvId ;
   protected int CustId ;
   protected int Total ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNInt aP1 ;
   protected QNInt aP2 ;
   protected dbcINVLINE dboinvline ;
   protected dP00142 P00142 ;
   protected QNParameterPacker packer ;
   protected QNParameterUnpacker unpacker ;
   protected IRemoteProcedureWrapper P00143 ;
}

final class dP00142 extends QNDBUpdateSupplier
{
   public dP00142(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcINVLINE.getDataSourceName();
      supplierName = "dP00142" ;
      cursorId = "P00142" ;
      SQL = "DELETE FROM INVLINE WHERE (InvId = ?)" ;
   }

   public void executeUpd(int P1)
   {
      try {
         prepare();
         setParameters( P1 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dP00142" + ".executeUpd", e); }
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

final class callP00143 extends QNJDBCProcedure
{
   public callP00143(int remoteHandle)
   {
      super(remoteHandle);
      isCall = true;
      readOnly = false;
      dataSourceName = "DEFAULT";
      cursorId =  "P00143" ;
      sqlSentence = "CALL CUSTTOTALS ( ?, ?)" ;
   }

   protected void registerOutParameters() throws SQLException
   {
      cstmt.registerOutParameter( 1 , Types.NUMERIC );
      cstmt.registerOutParameter( 2 , Types.NUMERIC );
   }

   protected void setParameters() throws SQLException
   {
      cstmt.setInt(1, qnu.readInt());
      cstmt.setInt(2, qnu.readInt());
   }

   protected void getParameters() throws SQLException
   {
      qnp.writeInt(cstmt.getInt(1));
      qnp.writeInt(cstmt.getInt(2));
   }

}

