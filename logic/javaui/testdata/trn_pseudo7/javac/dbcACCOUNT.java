// The data class of the table ACCOUNT, which the database classes write:
// what the transaction and its cursor classes call.
import com.quenora.ModelContext;
import java.util.Date;

public class dbcACCOUNT extends com.quenora.db.driver.DatabaseClass {
  public dbcACCOUNT(ModelContext context, int remoteHandle, boolean readOnly) {
    super(context, remoteHandle, readOnly);
  }
  public static String getDataSourceName() { return "DEFAULT"; }
  public int getAccid() { return 0; }
  public String getAccname() { return ""; }
  public Date getAccopen() { return null; }
  public int getAcclimit() { return 0; }
  public String getAccowner() { return ""; }
  public String getAcccity() { return ""; }
  public int getRegid() { return 0; }
  public void setAccid(int v) {}
  public void setAccname(String v) {}
  public void setAccopen(Date v) {}
  public void setAcclimit(int v) {}
  public void setAccowner(String v) {}
  public void setAcccity(String v) {}
  public void setRegid(int v) {}
}
