// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// The reorganisation's main class: it runs execute() of its subclass with
// the database handle, and keeps the reorganisation log.
public class QNReorganization {
  public QNReorganization() {}
  public QNReorganization(Class<?> configuration) {}

  public void executeReorg(String[] args) {}
  public int getHandle() { return 0; }
  public String getPackageDir() { return ""; }
  public void init() {}
  public void execute() {}

  // Adds a line to the reorganisation log.
  public static void addMsg(String text) {}
}
