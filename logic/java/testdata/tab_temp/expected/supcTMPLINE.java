import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class supcTMPLINE extends QNDBSupplier
{
   private dbcTMPLINE dbotmpline ;

   public supcTMPLINE(ModelContext context, int remoteHandle, dbcTMPLINE dbotmpline)
   {
      super(context, remoteHandle, dbotmpline .getReadOnly());
      this.dbotmpline = dbotmpline;
   }

   public supcTMPLINE(ModelContext context, int remoteHandle, boolean readOnly)
   {
      super(context, remoteHandle, readOnly);
      newDBO();
   }

   public void setDBO(DatabaseClass dbotmpline)
   {
      this.dbotmpline = (dbcTMPLINE) dbotmpline;
   }

   public DatabaseClass getDBO()
   {
      return  dbotmpline ;
   }

   public void newDBO()
   {
      dbotmpline = new dbcTMPLINE ( context, remoteHandle , readOnly);
   }

   public void setFirstPK(QNPreparedStatement stmt, boolean upd) throws SQLException
   {
      dbotmpline.setOrdid ( Integer.MIN_VALUE ) ;
      setPK(stmt, upd);
   }

   public void setPK(QNPreparedStatement stmt, boolean upd) throws SQLException
   {
      short i = 1;
      if (upd) i =  4 ;
      stmt.setInt(i++, dbotmpline.getOrdid());
      stmt.setString(i++, dbotmpline.getOrdcode());
   }

   public void setFields(QNPreparedStatement stmt, boolean upd) throws SQLException
   {
      short i = 3 ;
      if (upd) i = 1;
      stmt.setTimestamp(i++, new java.sql.Timestamp (dbotmpline.getDuedate().getTime()));
      stmt.setTimestamp(i++, new java.sql.Timestamp (dbotmpline.getStamp().getTime()));
      stmt.setString(i++, dbotmpline.getNote());
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbotmpline.setOrdid(rslt.getInt(1));
      dbotmpline.setOrdcode(rslt.getString(2));
      dbotmpline.setDuedate(rslt.getTimestamp(3));
      dbotmpline.setStamp(rslt.getTimestamp(4));
      dbotmpline.setNote(rslt.getString(5));
   }

   public void bindParameters(QNPreparedStatement stmt, int column, int field) throws SQLException
   {
      switch (field)
      {
         case 1 :
            stmt.setInt(column, dbotmpline.getOrdid());
            break;
         case 2 :
            stmt.setString(column, dbotmpline.getOrdcode(), 4);
            break;
         case 3 :
            stmt.setDate(column, dbotmpline.getDuedate());
            break;
         case 4 :
            stmt.setDateTime(column, dbotmpline.getStamp(), false);
            break;
         case 5 :
            stmt.setLongVarchar(column, dbotmpline.getNote());
            break;
      }
   }

   public void bindColumns(QNResultSet rslt, int field, int column) throws SQLException
   {
      switch (field)
      {
         case 1 :
            dbotmpline.setOrdid(rslt.getInt(column));
            break;
         case 2 :
            dbotmpline.setOrdcode(rslt.getString(column, 4));
            break;
         case 3 :
            dbotmpline.setDuedate(rslt.getQNDate(column));
            break;
            /* -> undefined parameter type */
         case 5 :
            dbotmpline.setNote(rslt.getLongVarchar(column));
            break;
      }
   }

   public Object getResultColumn(int field)
   {
      switch (field)
      {
         case 1 :
            return new Integer((int)dbotmpline.getOrdid()) ;
         case 2 :
            return dbotmpline.getOrdcode() ;
         case 3 :
            return dbotmpline.getDuedate() ;
         case 4 :
            return dbotmpline.getStamp() ;
         case 5 :
            return dbotmpline.getNote() ;
      }
      return null;
   }

   public String SQLDelete()
   {
      return"DELETE FROM TMPLINE WHERE ORDID = ? AND ORDCODE = ?";
   }

}

