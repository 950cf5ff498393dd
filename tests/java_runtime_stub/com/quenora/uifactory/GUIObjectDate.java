// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A control holder of a java.util.Date value; it keeps the value it is given.
public class GUIObjectDate extends GUIObject {
  private java.util.Date value;

  // The holder of an ask dialog's edit.
  public GUIObjectDate(QNComponent component) { super(component); }
  public GUIObjectDate(QNComponent component, QNPanel panel, int x, int y, int w, int h, int back,
                   int fore, IFont font, boolean enabled, String name) {
    super(component);
  }
  public void setValue(java.util.Date value) { this.value = value; }
  public java.util.Date getValue() { return value; }
}
