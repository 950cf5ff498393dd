// Stands in for the reorganisation program qnrgzc until its writer exists: the
// entry the main class calls.
public final class qnrgzc {
  public qnrgzc(int remoteHandle) {}
  public void execute() {}
}
