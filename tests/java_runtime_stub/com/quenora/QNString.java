// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A holder of one text passed by reference.
public class QNString {
  public QNString() {}
  public QNString(String value) {}
  public void setValue(String value) {}
  public String getValue() { return ""; }
}
