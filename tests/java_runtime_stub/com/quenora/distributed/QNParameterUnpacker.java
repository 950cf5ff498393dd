// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.distributed;

import java.util.ArrayList;
import java.util.Date;
import java.util.List;

// Reads back what a QNParameterPacker packed, in the same order. A read of
// another type than the one written, a read past the end, or a value left
// unread at end() fails with an IllegalStateException.
public class QNParameterUnpacker {
  private List<QNParameterPacker.Tagged> values = new ArrayList<>();
  private int next;

  public QNParameterUnpacker() {}
  public QNParameterUnpacker(byte[] parms) { reset(parms); }
  // Reads what a packer holds, without the bytes.
  public QNParameterUnpacker(QNParameterPacker packer) {
    values = new ArrayList<>(packer.values);
  }
  public void reset(byte[] bytes) {
    values = Registry.get(bytes);
    next = 0;
  }
  public boolean eof() { return next >= values.size(); }
  // Every value read: none is left over.
  public void end() {
    if (!eof()) {
      throw new IllegalStateException((values.size() - next) + " value(s) left unread, first a "
          + values.get(next).type);
    }
  }

  private Object take(String type) {
    if (eof()) throw new IllegalStateException("read of a " + type + " past the last value");
    QNParameterPacker.Tagged t = values.get(next);
    if (!t.type.equals(type)) {
      throw new IllegalStateException("value " + next + " is a " + t.type + ", read as a " + type);
    }
    next++;
    return t.value;
  }

  public byte readByte() { return (Byte) take("Byte"); }
  public short readShort() { return (Short) take("Short"); }
  public int readInt() { return (Integer) take("Int"); }
  public long readLong() { return (Long) take("Long"); }
  public double readDouble() { return (Double) take("Double"); }
  public String readString() { return (String) take("String"); }
  public Date readDate() { return (Date) take("Date"); }
  public boolean readBoolean() { return (Boolean) take("Boolean"); }
  public int[] readIntArray() { return (int[]) take("IntArray"); }
  public short[] readShortArray() { return (short[]) take("ShortArray"); }
  public long[] readLongArray() { return (long[]) take("LongArray"); }
  public double[] readDoubleArray() { return (double[]) take("DoubleArray"); }
  public String[] readStringArray() { return (String[]) take("StringArray"); }
  public Date[] readDateArray() { return (Date[]) take("DateArray"); }
  public int[][] readIntArray2() { return (int[][]) take("IntArray2"); }
  public String[][] readStringArray2() { return (String[][]) take("StringArray2"); }
}
