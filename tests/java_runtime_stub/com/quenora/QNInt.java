// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A holder of one int value passed by reference.
public class QNInt {
  public QNInt() {}
  public QNInt(int value) {}
  public void setValue(int value) {}
  // The text of a command-line argument or an applet parameter.
  public void setValue(String text) {}
  public int getValue() { return 0; }
}
