// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.distributed;

import java.util.Date;

// Reads back what a QNParameterPacker packed, in the same order.
public class QNParameterUnpacker {
  public QNParameterUnpacker() {}
  public QNParameterUnpacker(byte[] parms) {}
  public void reset(byte[] bytes) {}
  public boolean eof() { return true; }
  public byte readByte() { return 0; }
  public short readShort() { return 0; }
  public int readInt() { return 0; }
  public long readLong() { return 0; }
  public double readDouble() { return 0; }
  public String readString() { return ""; }
  public Date readDate() { return null; }
  public boolean readBoolean() { return false; }
  public int[] readIntArray() { return null; }
  public short[] readShortArray() { return null; }
  public long[] readLongArray() { return null; }
  public double[] readDoubleArray() { return null; }
  public String[] readStringArray() { return null; }
  public Date[] readDateArray() { return null; }
  public int[][] readIntArray2() { return null; }
  public String[][] readStringArray2() { return null; }
}
