// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A holder of one boolean value passed by reference.
public class QNBoolean {
  public QNBoolean() {}
  public QNBoolean(boolean value) {}
  public void setValue(boolean value) {}
  // The text of a command-line argument or an applet parameter.
  public void setValue(String text) {}
  public boolean getValue() { return false; }
}
