/*
               File: ainvlines
        Description: Counts invoice lines
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Main program
         Connection: Explicit (dbms)
        Target DBMS: qedbase
   Operating System: Neither specified nor inferred.
 Main access method: qndata
    Use ODBC Access: Yes
*/
package com.demo;
import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
public final class ainvlines extends QNProcedure
{
   /* Program does not have any parameters */
   public static void main(String args[])
   {
      Application.setCurrentLocation("");
      parseParameters(args);
      Application.init(QNcfg.class);
      ainvlines pgm = new ainvlines (-1);
      Application.realMainProgram = pgm;
      pgm.execute();
   }

   private static void parseParameters(String args[])
   {
   }

   public ainvlines(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( ainvlines.class ), "" );
   }

   public ainvlines(int remoteHandle, ModelContext context)
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
      cleanup();
      return  ;
   }

   public static Object refClasses()
   {
      return new QNcfg();
   }

   protected void cleanup( )
   {
      if (!isRemote) exitApplication();
   }

   public void initialize( )
   {
      /* Quenora formulas. */
   }

   protected boolean isRemote = false ;
}

