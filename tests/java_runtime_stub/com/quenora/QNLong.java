// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A holder of one long value passed by reference.
public class QNLong {
  public QNLong() {}
  public QNLong(long value) {}
  public void setValue(long value) {}
  // The text of a command-line argument or an applet parameter.
  public void setValue(String text) {}
  public long getValue() { return 0; }
}
