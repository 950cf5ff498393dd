import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class fP00212 extends QNDBForwardSupplier
{
   private dbcINVLINE dboinvline ;

   public void loadFromArrayToDBO()
   {
      if (!eof) {
         dboinvline.setFormula(1, qnu.readDouble());
         dboinvline.setFormula(2, qnu.readDouble());
      }
   }

   public fP00212(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "P00212" ;
      supplierName = "fP00212" ;
      SQL = "SELECT SUM(Qty), COUNT(*)  FROM INVLINE WHERE (InvId = ?) AND (LineNo >= ?)   " ;
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
      dboinvline.setFormula(1, rslt.getDouble(1));
      dboinvline.setFormula(2, rslt.getDouble(2));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
      qnp.writeDouble(rslt.getDouble(1));
      qnp.writeDouble(rslt.getDouble(2));
   }

   public void fetchFirst(dbcINVLINE dboinvline, int P1, short P2)
   {
      this.dboinvline = dboinvline ;
      dboinvline.unloadAll();
      if (Application.isRemoteQNDB(context, remoteHandle)) {
         qnp.reset();
         qnp.writeInt(P1);
         qnp.writeShort(P2);
         bytes = getRemoteSupplier().fetchFirst(qnp.toByteArray());
         qnu.reset(bytes);
         eof = qnu.eof();
         loadFromArrayToDBO();
      }
      else
      {
         try {
            prepare();
            setParameters( P1, P2 );
            execute();
            readNext();
         } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fP00212" + ".fetchFirst", e); }
      }
   }

   public void setParameters(int P1, short P2)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setShort(2, P2);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
         stmt.setShort(2, qnu.readShort());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

