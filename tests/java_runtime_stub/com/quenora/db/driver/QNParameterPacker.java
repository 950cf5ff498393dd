// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

// Writes values into a byte array, one typed write each.
public class QNParameterPacker {
  public void reset() {}
  public byte[] toByteArray() { return new byte[0]; }
  public void writeByte(byte v) {}
  public void writeShort(short v) {}
  public void writeInt(int v) {}
  public void writeLong(long v) {}
  public void writeDouble(double v) {}
  public void writeString(String v) {}
  public void writeDate(java.util.Date v) {}
}
