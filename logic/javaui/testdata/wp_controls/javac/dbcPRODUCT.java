// The data class of the table PRODUCT as the table classes' generator
// writes it, reduced to the constructor the dynamic combo calls.
import com.quenora.ModelContext;
import com.quenora.db.driver.DatabaseClass;

public class dbcPRODUCT extends DatabaseClass {
  public dbcPRODUCT(ModelContext context, int remoteHandle, boolean readOnly) {
    super(context, remoteHandle, readOnly);
  }
}
