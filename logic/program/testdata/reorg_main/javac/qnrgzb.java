// Stands in for the reorganisation program qnrgzb until its writer exists: the
// entry the main class calls.
public final class qnrgzb {
  public qnrgzb(int remoteHandle) {}
  public void execute() {}
}
