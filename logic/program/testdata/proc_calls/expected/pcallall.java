/*
               File: pcallall
        Description: Calls other programs
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
public final class pcallall extends QNProcedure
{
   public pcallall(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( pcallall.class ), "" );
   }

   public pcallall(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
      initialize();
      /* Quenora formulas */
      /* Output device settings */
      QNt_QNInt1 = new QNInt(Amount);
      QNt_QNInt2 = new QNInt(Tax);
      new pcalctax(remoteHandle, context).execute( QNt_QNInt1, QNt_QNInt2) ;
      Tax = QNt_QNInt2.getValue();
      com.quenora.internet.QNFTP.connect ( Host, User, Pwd );
      QNt_QNInt1 = new QNInt(Handle);
      com.quenora.office.QNOffice.xlsOpen ( File, QNt_QNInt1 );
      Handle = QNt_QNInt1.getValue();
      QNt_QNInt1 = new QNInt(Amount);
      QNt_QNInt2 = new QNInt(Tax);
      callAux2 = new Object[ 2 ];
      callAux2 [ 0 ] = QNt_QNInt1 ;
      callAux2 [ 1 ] = QNt_QNInt2 ;
      QNutil.dynamicExecute(context, remoteHandle, getClass(), QNutil.getObjectName( "" , PgmName ) , callAux2 );
      Amount = QNt_QNInt1.getValue();
      Tax = QNt_QNInt2.getValue();
      QNt_QNInt1 = new QNInt(Tax);
      QNt_QNInt2 = new QNInt(Amount);
      new pcalctax(remoteHandle, context).execute( QNt_QNInt1, QNt_QNInt2) ;
      Amount = QNt_QNInt2.getValue();
      cleanup();
      return  ;
   }

   protected void cleanup( )
   {
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      Amount = 0 ;
      QNt_QNInt1 = new QNInt();
      Tax = 0 ;
      QNt_QNInt2 = new QNInt();
      Host = "" ;
      User = "" ;
      Pwd = "" ;
      File = "" ;
      Handle = 0 ;
      PgmName = "" ;
      /* Quenora formulas. */
   }

   protected int Amount ;
   protected int Tax ;
   protected int Handle ;
   protected String Host ;
   protected String User ;
   protected String Pwd ;
   protected String File ;
   protected String PgmName ;
   protected boolean isRemote = false ;
   protected QNInt QNt_QNInt1 ;
   protected QNInt QNt_QNInt2 ;
   protected Object[] callAux2 ;
}

