// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// The reorganisation's main class: runs the generated programs with the
// handle it opens, and keeps the log.
public class QNReorganization {
  public QNReorganization() {}
  public QNReorganization(Class<?> configuration) {}
  public void executeReorg(String args[]) {}
  public int getHandle() { return 0; }
  public static void addMsg(String text) {}
}
