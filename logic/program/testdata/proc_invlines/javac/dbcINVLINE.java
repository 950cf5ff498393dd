// The data class of the table INVLINE, which the database classes write:
// the getters the program reads.
public class dbcINVLINE extends com.quenora.db.driver.DatabaseClass {
  public int getInvid() { return 0; }
  public short getLineno() { return 0; }
}
