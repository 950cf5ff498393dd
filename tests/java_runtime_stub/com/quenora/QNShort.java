// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A holder of one short value passed by reference.
public class QNShort {
  public QNShort() {}
  public QNShort(short value) {}
  public void setValue(short value) {}
  // The text of a command-line argument or an applet parameter.
  public void setValue(String text) {}
  public short getValue() { return 0; }
}
