// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A control holder of a byte value; it keeps the value it is given.
public class GUIObjectByte extends GUIObject {
  private byte value;

  public GUIObjectByte(QNComponent component, QNPanel panel, int x, int y, int w, int h, int back,
                    int fore, IFont font, boolean enabled, String name) {
    super(component);
  }
  public void setValue(byte value) { this.value = value; }
  public byte getValue() { return value; }
}
