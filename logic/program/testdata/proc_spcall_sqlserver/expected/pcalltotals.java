/*
               File: pcalltotals
        Description: Calls a database procedure
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Callable routine
         Connection: Explicit (dbms)
        Target DBMS: sqlserver
   Operating System: nt
 Main access method: qndata
    Use ODBC Access: Yes
*/
import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;
public final class pcalltotals extends QNProcedure
{
   public pcalltotals(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( pcalltotals.class ), "" );
   }

   public pcalltotals(int remoteHandle, ModelContext context)
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
      this.Total = aP1.getValue();
      this.aP1 = aP1 ;
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      /* Stored procedure call */
      packer.reset();
      packer.writeInt(CustId);
      packer.writeInt(Total);
      unpacker.reset(P00242.execute(packer.toByteArray()));
      CustId = unpacker.readInt();
      Total = unpacker.readInt();
      /* End stored procedure call */
      cleanup();
      return  ;
   }

   protected void cleanup( )
   {
      aP0.setValue( this.CustId);
      aP1.setValue( this.Total);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      packer = new QNParameterPacker() ;
      unpacker = new QNParameterUnpacker() ;
      P00242 = new callP00242(remoteHandle) ;
      /* Quenora formulas. */
   }

   protected int CustId ;
   protected int Total ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNInt aP1 ;
   protected QNParameterPacker packer ;
   protected QNParameterUnpacker unpacker ;
   protected IRemoteProcedureWrapper P00242 ;
}

final class callP00242 extends QNJDBCProcedure
{
   public callP00242(int remoteHandle)
   {
      super(remoteHandle);
      isCall = true;
      readOnly = false;
      dataSourceName = "DEFAULT";
      cursorId =  "P00242" ;
      sqlSentence = "EXECUTE sp_cust_totals  ?, ?" ;
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

