// The data class of the table CUSTOMER, which the database classes write:
// what the transaction and its cursor classes call.
import com.quenora.ModelContext;

public class dbcCUSTOMER extends com.quenora.db.driver.DatabaseClass {
  public dbcCUSTOMER(ModelContext context, int remoteHandle, boolean readOnly) {
    super(context, remoteHandle, readOnly);
  }
  public static String getDataSourceName() { return "DEFAULT"; }
  public int getCustid() { return 0; }
  public String getCustname() { return ""; }
  public void setCustid(int v) {}
  public void setCustname(String v) {}
}
