// The data class of the table INVOICE, which the database classes write:
// what the panel's cursor class calls.
import com.quenora.ModelContext;

public class dbcINVOICE extends com.quenora.db.driver.DatabaseClass {
  public dbcINVOICE(ModelContext context, int remoteHandle, boolean readOnly) {
    super(context, remoteHandle, readOnly);
  }
  public int getInvid() { return 0; }
  public int getCustid() { return 0; }
  public void setInvid(int v) {}
  public void setCustid(int v) {}
}
