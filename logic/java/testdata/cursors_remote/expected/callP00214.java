import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class callP00214 extends QNJDBCProcedure
{
   public callP00214(int remoteHandle)
   {
      super(remoteHandle);
      isCall = true;
      readOnly = false;
      dataSourceName = "DEFAULT";
      cursorId =  "P00214" ;
      sqlSentence = "{CALL REBUILD}" ;
   }

   protected void registerOutParameters() throws SQLException
   {
   }

   protected void setParameters() throws SQLException
   {
   }

   protected void getParameters() throws SQLException
   {
   }

}

