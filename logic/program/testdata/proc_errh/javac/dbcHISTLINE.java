// The data class of the table HISTLINE, which the database classes write:
// what the program and its cursor classes call.
import com.quenora.ModelContext;

public class dbcHISTLINE extends com.quenora.db.driver.DatabaseClass {
  public dbcHISTLINE(ModelContext context, int remoteHandle, boolean readOnly) {
    super(context, remoteHandle, readOnly);
  }
  public static String getDataSourceName() { return "DEFAULT"; }
}
