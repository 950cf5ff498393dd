// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A holder of one double value passed by reference.
public class QNDouble {
  public QNDouble() {}
  public QNDouble(double value) {}
  public void setValue(double value) {}
  // The text of a command-line argument or an applet parameter.
  public void setValue(String text) {}
  public double getValue() { return 0; }
}
