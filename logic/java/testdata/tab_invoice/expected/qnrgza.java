package com.demo.sample;
import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgza extends QNProcedure
{
   public qnrgza(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgza.class ), "" );
   }

   public qnrgza(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
      /*

         This is the first program in the reorganization process.
         It must be compiled and run before any other reorganization
         program.

      */
      /* Lock tables */
      QNReorganization.addMsg("Step 1: locking tables");
      QNReorganization.addMsg("Locking table CUSTOMER");
      QNReorganization.addMsg("Locking table INVOICE");
      /* Drop integrity constraints (if any). */
      QNReorganization.addMsg("Step 2: dropping integrity constraints");
      /* Create new and temporary tables. */
      QNReorganization.addMsg("Step 3: creating new and temporary tables");
      QNReorganization.addMsg("Creating table CUSTOMER");
      cmdBuffer = "DROP TABLE CUSTOMER";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE CUSTOMER (CUSTID NUMERIC(6), CUSTNAME CHAR(30)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
      QNReorganization.addMsg("Creating table INVOICE");
      cmdBuffer = "DROP TABLE INVOICE";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE INVOICE (INVID NUMERIC(8), INVDATE DATE, CUSTID NUMERIC(6)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "qedbase", cmdBuffer) ;
      /* Creating temporary indexes. */
      cleanup();
   }

   protected void cleanup( )
   {
   }

   public void initialize( )
   {
      cmdBuffer = "" ;
      /* Quenora formulas. */
   }

   protected String cmdBuffer ;
}

