// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A control holder of a double value; it keeps the value it is given.
public class GUIObjectDouble extends GUIObject {
  private double value;

  // The holder of an ask dialog's edit.
  public GUIObjectDouble(QNComponent component) { super(component); }
  public GUIObjectDouble(QNComponent component, QNPanel panel, int x, int y, int w, int h, int back,
                   int fore, IFont font, boolean enabled, String name) {
    super(component);
  }
  public void setValue(double value) { this.value = value; }
  public double getValue() { return value; }
}
