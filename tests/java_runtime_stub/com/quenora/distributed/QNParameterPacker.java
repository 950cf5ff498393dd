// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.distributed;

import java.util.ArrayList;
import java.util.Date;
import java.util.List;

// Packs the parameters of a remote call, one write per value or array. This
// stand-in keeps each value with the type it was written as, so that an
// unpacker reading another type, or leaving a value unread, fails.
public class QNParameterPacker {
  // One packed value: the type it was written as and the value.
  public static final class Tagged {
    public final String type;
    public final Object value;
    Tagged(String type, Object value) {
      this.type = type;
      this.value = value;
    }
  }

  final List<Tagged> values = new ArrayList<>();

  private void put(String type, Object v) { values.add(new Tagged(type, v)); }

  public List<Tagged> getValues() { return values; }
  public void reset() { values.clear(); }
  public void writeByte(byte v) { put("Byte", v); }
  public void writeShort(short v) { put("Short", v); }
  public void writeInt(int v) { put("Int", v); }
  public void writeLong(long v) { put("Long", v); }
  public void writeDouble(double v) { put("Double", v); }
  public void writeString(String v) { put("String", v); }
  public void writeStringTrim(String v) { put("String", v == null ? null : v.replaceAll("\\s+$", "")); }
  public void writeDate(Date v) { put("Date", v); }
  public void writeBoolean(boolean v) { put("Boolean", v); }
  public void writeByte(byte[] v) { put("ByteArray", v); }
  public void writeShort(short[] v) { put("ShortArray", v); }
  public void writeInt(int[] v) { put("IntArray", v); }
  public void writeLong(long[] v) { put("LongArray", v); }
  public void writeDouble(double[] v) { put("DoubleArray", v); }
  public void writeString(String[] v) { put("StringArray", v); }
  public void writeDate(Date[] v) { put("DateArray", v); }
  public void writeInt(int[][] v) { put("IntArray2", v); }
  public void writeString(String[][] v) { put("StringArray2", v); }
  public byte[] toByteArray() { return Registry.keep(new ArrayList<>(values)); }
}
