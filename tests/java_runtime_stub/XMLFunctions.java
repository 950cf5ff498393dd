/** XML output of a program: the variable xml. */
public class XMLFunctions {
  // xmlstart( char(254) : int(4)
  public short xmlStart(String root) { return 0; }
}
