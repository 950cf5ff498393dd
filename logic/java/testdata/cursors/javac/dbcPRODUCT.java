// The data class of the table PRODUCT, which the database classes write:
// what the program and its cursor classes call.
import com.quenora.ModelContext;

public class dbcPRODUCT extends com.quenora.db.driver.DatabaseClass {
  public dbcPRODUCT(ModelContext context, int remoteHandle, boolean readOnly) {
    super(context, remoteHandle, readOnly);
  }
  public static String getDataSourceName() { return "DEFAULT"; }
}
