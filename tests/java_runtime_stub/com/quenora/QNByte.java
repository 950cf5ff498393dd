// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A holder of one byte value passed by reference.
public class QNByte {
  public QNByte() {}
  public QNByte(byte value) {}
  public void setValue(byte value) {}
  // The text of a command-line argument or an applet parameter.
  public void setValue(String text) {}
  public byte getValue() { return 0; }
}
