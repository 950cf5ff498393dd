/*
               File: plastline
        Description: Finds an invoice's last line
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
public final class plastline extends QNProcedure
{
   public plastline(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( plastline.class ), "" );
   }

   public plastline(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( QNInt aP0 ,
                        QNShort aP1 )
   {
      execute_int(aP0, aP1);
   }

   private void execute_int( QNInt aP0 ,
                             QNShort aP1 )
   {
      this.InvId = aP0.getValue();
      this.aP0 = aP0 ;
      this.Last = aP1.getValue();
      this.aP1 = aP1 ;
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      P00232.fetchFirst(dboinvline, InvId);
      while (!P00232.eof())
      {
         Ainvid = dboinvline.getInvid();
         Alineno = dboinvline.getLineno();
         Last = Alineno ;
         /* Check if program is canceled. */
         P00232.readNext();
      }
      P00232.close() ;
      cleanup();
      return  ;
   }

   protected void cleanup( )
   {
      aP0.setValue( this.InvId);
      aP1.setValue( this.Last);
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      dboinvline = new dbcINVLINE(context, remoteHandle, false) ;
      P00232 = new fP00232(context, remoteHandle) ;
      Ainvid = 0 ;
      Alineno = 0 ;
      /* Quenora formulas. */
   }

   protected short Last ;
   protected short Alineno ;
   protected int InvId ;
   protected int Ainvid ;
   protected boolean isRemote = false ;
   protected QNInt aP0 ;
   protected QNShort aP1 ;
   protected dbcINVLINE dboinvline ;
   protected fP00232 P00232 ;
}

final class fP00232 extends QNDBForwardSupplier
{
   private dbcINVLINE dboinvline ;

   public fP00232(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "P00232" ;
      supplierName = "fP00232" ;
      SQL = "SELECT InvId, LineNo  FROM INVLINE WHERE InvId = ?   FOR UPDATE OF InvId NOWAIT" ;
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
      dboinvline.setInvid(rslt.getInt(1));
      dboinvline.setLineno(rslt.getShort(2));
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fP00232" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

