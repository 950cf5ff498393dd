// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A holder of one java.util.Date value passed by reference.
public class QNDate {
  public QNDate() {}
  public QNDate(java.util.Date value) {}
  public void setValue(java.util.Date value) {}
  // The text of a command-line argument or an applet parameter.
  public void setValue(String text) {}
  public java.util.Date getValue() { return null; }
}
