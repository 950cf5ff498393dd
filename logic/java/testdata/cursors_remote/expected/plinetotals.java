/*
               File: plinetotals
        Description: Adds up and deletes an invoice's lines
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
public final class plinetotals extends QNProcedure
{
   public plinetotals(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( plinetotals.class ), "" );
   }

   public plinetotals(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( QNInt aP0 ,
                        QNShort aP1 ,
                        QNInt aP2 ,
                        QNInt aP3 )
   {
      execute_int(aP0, aP1, aP2, aP3);
   }

   private void execute_int( QNInt aP0 ,
                             QNShort aP1 ,
                             QNInt aP2 ,
                             QNInt aP3 )
   {
      this.InvId = aP0.getValue();
      this.aP0 = aP0 ;
      this.From = aP1.getValue();
      this.aP1 = aP1 ;
      this.Total = aP2.getValue();
      this.aP2 = aP2 ;
      this.N = aP3.getValue();
      this.aP3 = aP3 ;
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      /* Optimized group. */
      P00212.fetchFirst(dboinvline, InvId, From);
      cqty = (int)(dboinvline.getNumericFormula(1)) ;
      cN = (int)(dboinvline.getNumericFormula(2)) ;
      P00212.close() ;
      Total = Total+cqty ;
      N = N+cN*1 ;
      /* End optimized group. */
      /* Optimized DELETE. */
      P00213.executeUpd(InvId) ;
      /* End optimized DELETE. */
      /* Stored procedure call */
      packer.reset();
      unpacker.reset(P00214.execute(packer.toByteArray()));
      /* End stored procedure call */
      cleanup();
      return  ;
   }

   protected void cleanup( )
   {
      aP0.setValue( this.InvId);
      aP1.setValue( this.From);
      aP2.setValue( this.Total);
      aP3.setValue( this.N);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      dboinvline = new dbcINVLINE(context, remoteHandle, false) ;
      P00212 = new fP00212(context, remoteHandle) ;
      cqty = 0 ;
      cN = 0 ;
      P00213 = new dP00213(context, remoteHandle) ;
      packer = new QNParameterPacker() ;
      unpacker = new QNParameterUnpacker() ;
      P00214 = new callP00214(remoteHandle) ;
      /* Quenora formulas. */
   }

   protected short From ;
   protected int InvId ;
   protected int Total ;
   protected int N ;
   protected int cqty ;
   protected int cN ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNShort aP1 ;
   protected QNInt aP2 ;
   protected QNInt aP3 ;
   protected dbcINVLINE dboinvline ;
   protected fP00212 P00212 ;
   protected dP00213 P00213 ;
   protected QNParameterPacker packer ;
   protected QNParameterUnpacker unpacker ;
   protected IRemoteProcedureWrapper P00214 ;
}

