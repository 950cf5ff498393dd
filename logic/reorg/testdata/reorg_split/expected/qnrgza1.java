import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgza1 extends QNProcedure
{
   public qnrgza1(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgza1.class ), "" );
   }

   public qnrgza1(int remoteHandle, ModelContext context)
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

         This program is called by qnrgza.
      */
      QNReorganization.addMsg("Creating table T050");
      cmdBuffer = "DROP TABLE T050";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T050 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T051");
      cmdBuffer = "DROP TABLE T051";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T051 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T052");
      cmdBuffer = "DROP TABLE T052";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T052 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T053");
      cmdBuffer = "DROP TABLE T053";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T053 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T054");
      cmdBuffer = "DROP TABLE T054";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T054 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T055");
      cmdBuffer = "DROP TABLE T055";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T055 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T056");
      cmdBuffer = "DROP TABLE T056";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T056 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T057");
      cmdBuffer = "DROP TABLE T057";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T057 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T058");
      cmdBuffer = "DROP TABLE T058";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T058 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T059");
      cmdBuffer = "DROP TABLE T059";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T059 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T060");
      cmdBuffer = "DROP TABLE T060";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T060 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T061");
      cmdBuffer = "DROP TABLE T061";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T061 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T062");
      cmdBuffer = "DROP TABLE T062";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T062 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T063");
      cmdBuffer = "DROP TABLE T063";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T063 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T064");
      cmdBuffer = "DROP TABLE T064";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T064 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T065");
      cmdBuffer = "DROP TABLE T065";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T065 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T066");
      cmdBuffer = "DROP TABLE T066";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T066 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T067");
      cmdBuffer = "DROP TABLE T067";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T067 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T068");
      cmdBuffer = "DROP TABLE T068";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T068 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T069");
      cmdBuffer = "DROP TABLE T069";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T069 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T070");
      cmdBuffer = "DROP TABLE T070";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T070 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T071");
      cmdBuffer = "DROP TABLE T071";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T071 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T072");
      cmdBuffer = "DROP TABLE T072";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T072 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T073");
      cmdBuffer = "DROP TABLE T073";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T073 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T074");
      cmdBuffer = "DROP TABLE T074";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T074 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T075");
      cmdBuffer = "DROP TABLE T075";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T075 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T076");
      cmdBuffer = "DROP TABLE T076";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T076 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T077");
      cmdBuffer = "DROP TABLE T077";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T077 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T078");
      cmdBuffer = "DROP TABLE T078";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T078 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T079");
      cmdBuffer = "DROP TABLE T079";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T079 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T080");
      cmdBuffer = "DROP TABLE T080";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T080 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T081");
      cmdBuffer = "DROP TABLE T081";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T081 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T082");
      cmdBuffer = "DROP TABLE T082";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T082 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T083");
      cmdBuffer = "DROP TABLE T083";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T083 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T084");
      cmdBuffer = "DROP TABLE T084";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T084 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T085");
      cmdBuffer = "DROP TABLE T085";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T085 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T086");
      cmdBuffer = "DROP TABLE T086";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T086 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T087");
      cmdBuffer = "DROP TABLE T087";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T087 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T088");
      cmdBuffer = "DROP TABLE T088";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T088 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T089");
      cmdBuffer = "DROP TABLE T089";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T089 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T090");
      cmdBuffer = "DROP TABLE T090";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T090 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T091");
      cmdBuffer = "DROP TABLE T091";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T091 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T092");
      cmdBuffer = "DROP TABLE T092";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T092 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T093");
      cmdBuffer = "DROP TABLE T093";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T093 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T094");
      cmdBuffer = "DROP TABLE T094";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T094 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T095");
      cmdBuffer = "DROP TABLE T095";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T095 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T096");
      cmdBuffer = "DROP TABLE T096";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T096 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T097");
      cmdBuffer = "DROP TABLE T097";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T097 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T098");
      cmdBuffer = "DROP TABLE T098";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T098 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      QNReorganization.addMsg("Creating table T099");
      cmdBuffer = "DROP TABLE T099";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer, "FNF") ;
      cmdBuffer = "CREATE TABLE T099 (Id NUMERIC(6) NOT null, Name CHAR(20), PRIMARY KEY(Id)) ";
      ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
      /*
         Source code for the original file qnrgza is too big.
         The code is splitted into smaller pieces.
      */
      new qnrgza2(remoteHandle, context).execute( ) ;
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

