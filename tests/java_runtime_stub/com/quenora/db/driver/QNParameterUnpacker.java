// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

// Reads the values a QNParameterPacker wrote.
public class QNParameterUnpacker {
  public void reset(byte[] bytes) {}
  public boolean eof() { return true; }
  public byte readByte() { return 0; }
  public short readShort() { return 0; }
  public int readInt() { return 0; }
  public long readLong() { return 0; }
  public double readDouble() { return 0; }
  public String readString() { return ""; }
  public java.util.Date readDate() { return null; }
}
