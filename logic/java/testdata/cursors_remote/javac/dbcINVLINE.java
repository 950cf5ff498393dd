// The data class of the table INVLINE, which the database classes write:
// what the program and its cursor classes call.
import com.quenora.ModelContext;

public class dbcINVLINE extends com.quenora.db.driver.DatabaseClass {
  public dbcINVLINE(ModelContext context, int remoteHandle, boolean readOnly) {
    super(context, remoteHandle, readOnly);
  }
  public static String getDataSourceName() { return "DEFAULT"; }
}
