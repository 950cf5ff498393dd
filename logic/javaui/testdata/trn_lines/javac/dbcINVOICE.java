// The data class of the table INVOICE, which the database classes write:
// what the transaction and its cursor classes call.
import com.quenora.ModelContext;

public class dbcINVOICE extends com.quenora.db.driver.DatabaseClass {
  public dbcINVOICE(ModelContext context, int remoteHandle, boolean readOnly) {
    super(context, remoteHandle, readOnly);
  }
  public static String getDataSourceName() { return "DEFAULT"; }
  public int getInvid() { return 0; }
  public java.util.Date getInvdate() { return null; }
  public int getCustid() { return 0; }
  public void setInvid(int v) {}
  public void setInvdate(java.util.Date v) {}
  public void setCustid(int v) {}
}
