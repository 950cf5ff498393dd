// Stands in for the reorganisation program qnrgza until its writer exists: the
// entry the main class calls.
public final class qnrgza {
  public qnrgza(int remoteHandle) {}
  public void execute() {}
}
