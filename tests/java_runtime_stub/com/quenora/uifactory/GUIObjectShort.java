// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A control holder of a short value; it keeps the value it is given.
public class GUIObjectShort extends GUIObject {
  private short value;

  // The holder of an ask dialog's edit.
  public GUIObjectShort(QNComponent component) { super(component); }
  public GUIObjectShort(QNComponent component, QNPanel panel, int x, int y, int w, int h, int back,
                   int fore, IFont font, boolean enabled, String name) {
    super(component);
  }
  public void setValue(short value) { this.value = value; }
  public short getValue() { return value; }
}
