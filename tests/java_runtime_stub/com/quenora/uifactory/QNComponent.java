// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// The component inside a control holder; a subfile cell keeps the value it
// is given and hands it back typed.
public class QNComponent {
  private Object value;

  public void setValue(Object value) { this.value = value; }
  // What the cell holds (the runs of the generated classes read it).
  public Object getValue() { return value; }
  public byte getByteValue() { return ((Number) value).byteValue(); }
  public short getShortValue() { return ((Number) value).shortValue(); }
  public int getIntValue() { return ((Number) value).intValue(); }
  public long getLongValue() { return ((Number) value).longValue(); }
  public double getDoubleValue() { return ((Number) value).doubleValue(); }
  public boolean getBooleanValue() { return (Boolean) value; }
  public String getStringValue() { return (String) value; }
  public java.util.Date getDateValue() { return (java.util.Date) value; }
}
