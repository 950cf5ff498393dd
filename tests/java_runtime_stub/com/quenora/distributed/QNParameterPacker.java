// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.distributed;

import java.util.Date;

// Packs the parameters of a remote call, one write per value or array.
public class QNParameterPacker {
  public void reset() {}
  public void writeByte(byte v) {}
  public void writeShort(short v) {}
  public void writeInt(int v) {}
  public void writeLong(long v) {}
  public void writeDouble(double v) {}
  public void writeString(String v) {}
  public void writeDate(Date v) {}
  public void writeBoolean(boolean v) {}
  public void writeByte(byte[] v) {}
  public void writeShort(short[] v) {}
  public void writeInt(int[] v) {}
  public void writeLong(long[] v) {}
  public void writeDouble(double[] v) {}
  public void writeString(String[] v) {}
  public void writeDate(Date[] v) {}
  public void writeInt(int[][] v) {}
  public void writeString(String[][] v) {}
  public byte[] toByteArray() { return new byte[0]; }
}
