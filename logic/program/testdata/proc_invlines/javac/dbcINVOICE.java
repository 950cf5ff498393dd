// The data class of the table INVOICE, which the database classes write:
// the getters the program reads.
public class dbcINVOICE extends com.quenora.db.driver.DatabaseClass {
  public int getInvid() { return 0; }
  public java.util.Date getInvdate() { return null; }
  public int getCustid() { return 0; }
}
