// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A holder of one float value passed by reference.
public class QNFloat {
  public QNFloat() {}
  public QNFloat(float value) {}
  public void setValue(float value) {}
  // The text of a command-line argument or an applet parameter.
  public void setValue(String text) {}
  public float getValue() { return 0; }
}
