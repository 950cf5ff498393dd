/** What the classes of every program kind hold. */
public class QNProgram {
  public int context;
  public int remoteHandle;
  // Standard constants: Qnnewline char(4).
  public String QN_nl = "\r\n";
}
