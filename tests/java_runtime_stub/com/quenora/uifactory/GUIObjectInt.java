// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A control holder of a int value; it keeps the value it is given.
public class GUIObjectInt extends GUIObject {
  private int value;

  // The holder of an ask dialog's edit.
  public GUIObjectInt(QNComponent component) { super(component); }
  public GUIObjectInt(QNComponent component, QNPanel panel, int x, int y, int w, int h, int back,
                   int fore, IFont font, boolean enabled, String name) {
    super(component);
  }
  public void setValue(int value) { this.value = value; }
  public int getValue() { return value; }
}
