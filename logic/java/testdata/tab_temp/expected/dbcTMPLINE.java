import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class dbcTMPLINE extends DatabaseClass
{
   private int ORDID ;
   private String ORDCODE ;
   private java.util.Date DUEDATE ;
   private java.util.Date STAMP ;
   private String NOTE ;

   static protected Field FieldList[];
   static protected String sBaseTable;

   static
   {
      sBaseTable = "TMPLINE";
      FieldList = new Field [5];
      FieldList[0] = new Field(0, "ORDID", "int",6,0,true,1);
      FieldList[1] = new Field(1, "ORDCODE", "char",4,0,true,2);
      FieldList[2] = new Field(2, "DUEDATE", "date",8,0,false,3);
      FieldList[3] = new Field(3, "STAMP", "dtime",10,8,false,4);
      FieldList[4] = new Field(4, "NOTE", "vchar",200,0,false,5);
   }
   public Field[] getFieldList () { return FieldList; }
   public int getBaseTableId () { return 7 ; }
   public static String getDataSourceName() { return "DEFAULT" ; }
   public String getConnection () { return getDataSourceName(); }
   public String getBaseTable () { return Application.getSchema(context, remoteHandle, getDataSourceName()) + sBaseTable; }

   public dbcTMPLINE(ModelContext context, int remoteHandle, boolean readOnly)
   {
      super(context, remoteHandle, readOnly);
      clear();
      LoadedFields = new java.util.BitSet( 5 );
   }

   public String getSupplierName()
   {
      return "supcTMPLINE" ;
   }

   public QNDBSupplier getLocalSupplier()
   {
      if (localSupplier == null)
         localSupplier = new supcTMPLINE (context, remoteHandle, this);
      return localSupplier;
   }

   public void clear()
   {
      ORDID = 0 ;
      ORDCODE = "" ;
      DUEDATE = QNutil.nullDate() ;
      STAMP = QNutil.nullDate() ;
      NOTE = "" ;
   }

   public int getOrdid()
   {
      return ORDID ;
   }

   public void setOrdid(int ORDID)
   {
      LoadedFields.set( 0 );
      this.ORDID = ORDID ;
   }

   public String getOrdcode()
   {
      return ORDCODE ;
   }

   public void setOrdcode(String ORDCODE)
   {
      LoadedFields.set( 1 );
      this.ORDCODE = ORDCODE ;
   }

   public java.util.Date getDuedate()
   {
      return DUEDATE ;
   }

   public void setDuedate(java.util.Date DUEDATE)
   {
      LoadedFields.set( 2 );
      this.DUEDATE = DUEDATE ;
   }

   public java.util.Date getStamp()
   {
      return STAMP ;
   }

   public void setStamp(java.util.Date STAMP)
   {
      LoadedFields.set( 3 );
      this.STAMP = STAMP ;
   }

   public String getNote()
   {
      return NOTE ;
   }

   public void setNote(String NOTE)
   {
      LoadedFields.set( 4 );
      this.NOTE = NOTE ;
   }

   public void loadFromByteArray(byte[] parms)
   {
      paramUnpacker.reset(parms);
      while (!paramUnpacker.eof()) {
         switch (paramUnpacker.readShort()) {
            case 1 :
               setOrdid(paramUnpacker.readInt());
               break;
            case 2 :
               setOrdcode(paramUnpacker.readString());
               break;
            case 3 :
               setDuedate(paramUnpacker.readDate());
               break;
            case 4 :
               setStamp(paramUnpacker.readDate());
               break;
            case 5 :
               setNote(paramUnpacker.readString());
               break;
         }
      }
   }

   public void writeParameter(QNParameterPacker packer, int pos)
   {
      switch (pos) {
         case 1 :
            packer.writeInt(getOrdid());
            break;
         case 2 :
            packer.writeString(getOrdcode());
            break;
         case 3 :
            packer.writeDate(getDuedate());
            break;
         case 4 :
            packer.writeDate(getStamp());
            break;
         case 5 :
            packer.writeString(getNote());
            break;
      }
   }

}

