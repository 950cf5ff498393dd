// The data class of the table INVLINE, which the database classes write:
// what the transaction and its cursor classes call.
import com.quenora.ModelContext;

public class dbcINVLINE extends com.quenora.db.driver.DatabaseClass {
  public dbcINVLINE(ModelContext context, int remoteHandle, boolean readOnly) {
    super(context, remoteHandle, readOnly);
  }
  public static String getDataSourceName() { return "DEFAULT"; }
  public int getInvid() { return 0; }
  public short getLineno() { return 0; }
  public int getProdid() { return 0; }
  public int getQty() { return 0; }
  public void setInvid(int v) {}
  public void setLineno(short v) {}
  public void setProdid(int v) {}
  public void setQty(int v) {}
}
