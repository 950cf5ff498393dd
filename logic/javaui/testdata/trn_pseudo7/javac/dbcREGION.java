// The data class of the table REGION, which the database classes write:
// what the transaction and its cursor classes call.
import com.quenora.ModelContext;

public class dbcREGION extends com.quenora.db.driver.DatabaseClass {
  public dbcREGION(ModelContext context, int remoteHandle, boolean readOnly) {
    super(context, remoteHandle, readOnly);
  }
  public static String getDataSourceName() { return "DEFAULT"; }
  public int getRegid() { return 0; }
  public String getRegname() { return ""; }
  public void setRegid(int v) {}
  public void setRegname(String v) {}
}
