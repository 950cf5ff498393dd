/*
               File: popenbook
        Description: Opens a workbook
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
public final class popenbook extends QNProcedure
{
   public popenbook(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( popenbook.class ), "" );
   }

   public popenbook(int remoteHandle, ModelContext context)
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
      QNt_QNInt1 = new QNInt(Status);
      com.quenora.qnoffice.QnOffice.getQNOffice().qnxopen ( File, QNt_QNInt1 );
      Status = QNt_QNInt1.getValue();
      QNt_QNInt1 = new QNInt(Status);
      com.quenora.qnoffice.QnOffice.getQNOffice().qnxclose ( Handle, QNt_QNInt1 );
      Status = QNt_QNInt1.getValue();
      cleanup();
      return  ;
   }

   protected void cleanup( )
   {
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      File = "" ;
      Status = 0 ;
      QNt_QNInt1 = new QNInt();
      Handle = 0 ;
      /* Quenora formulas. */
   }

   protected int Status ;
   protected int Handle ;
   protected String File ;
   protected boolean isRemote = false ;
   protected QNInt QNt_QNInt1 ;
}

