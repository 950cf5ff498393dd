import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgza2 extends QNProcedure
{
   public qnrgza2(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgza2.class ), "" );
   }

   public qnrgza2(int remoteHandle, ModelContext context)
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
         This program is part of program qnrgza that is too big
         and was splitted into smaller pieces.

         This program is called by qnrgza1.
      */
      QNReorganization.addMsg("Creating table T100");
      cmdBuffer = "DROP TABLE T100";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T100 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T101");
      cmdBuffer = "DROP TABLE T101";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T101 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T102");
      cmdBuffer = "DROP TABLE T102";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T102 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T103");
      cmdBuffer = "DROP TABLE T103";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T103 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T104");
      cmdBuffer = "DROP TABLE T104";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T104 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T105");
      cmdBuffer = "DROP TABLE T105";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T105 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T106");
      cmdBuffer = "DROP TABLE T106";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T106 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T107");
      cmdBuffer = "DROP TABLE T107";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T107 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T108");
      cmdBuffer = "DROP TABLE T108";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T108 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T109");
      cmdBuffer = "DROP TABLE T109";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T109 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T110");
      cmdBuffer = "DROP TABLE T110";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T110 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T111");
      cmdBuffer = "DROP TABLE T111";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T111 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T112");
      cmdBuffer = "DROP TABLE T112";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T112 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T113");
      cmdBuffer = "DROP TABLE T113";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T113 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T114");
      cmdBuffer = "DROP TABLE T114";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T114 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T115");
      cmdBuffer = "DROP TABLE T115";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T115 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T116");
      cmdBuffer = "DROP TABLE T116";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T116 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T117");
      cmdBuffer = "DROP TABLE T117";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T117 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T118");
      cmdBuffer = "DROP TABLE T118";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T118 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T119");
      cmdBuffer = "DROP TABLE T119";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T119 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T120");
      cmdBuffer = "DROP TABLE T120";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T120 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
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

