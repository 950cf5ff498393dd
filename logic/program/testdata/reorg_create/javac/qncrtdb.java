// Stands in for the database-creation program until its writer exists: the
// entry the main class calls.
public final class qncrtdb {
  public qncrtdb(int remoteHandle) {}
  public void execute() {}
}
