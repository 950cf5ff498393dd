import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class dP00213 extends QNDBUpdateSupplier
{
   public dP00213(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcINVLINE.getDataSourceName();
      supplierName = "dP00213" ;
      cursorId = "P00213" ;
      SQL = "DELETE FROM INVLINE WHERE (InvId = ?)" ;
   }

   public void executeUpd(int P1)
   {
      if (Application.isRemoteQNDB(context, remoteHandle)) {
         qnp.reset();
         qnp.writeInt(P1);
         getRemoteSupplier().executeUpd(qnp.toByteArray());
      }
      else
      {
         try {
            prepare();
            setParameters( P1 );
            execute();
         } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dP00213" + ".executeUpd", e); }
      }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

