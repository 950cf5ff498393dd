import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavmembers extends QNProcedure
{
   protected String CUSTNAME ;
   protected String REGNAME ;
   protected java.util.Date ORDDATE ;
   static class dbcCUSTOMER extends DatabaseClass {
      String getCustname() { return null; }
      dbcREGION dbcregion() { return null; }
   }
   static class dbcORDERS extends DatabaseClass {
      dbcCUSTOMER dbccustomer() { return null; }
      java.util.Date getOrddate() { return null; }
   }
   static class dbcREGION extends DatabaseClass {
      String getRegname() { return null; }
   }
   dbcORDERS dboorders;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      ORDDATE = dboorders.getOrddate() ;
      CUSTNAME = dboorders.dbccustomer().getCustname() ;
      REGNAME = dboorders.dbccustomer().dbcregion().getRegname() ;
   }
}
