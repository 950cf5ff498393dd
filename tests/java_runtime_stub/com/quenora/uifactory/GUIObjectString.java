// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A control holder of a String value; it keeps the value it is given.
public class GUIObjectString extends GUIObject {
  private String value;

  // The holder of an ask dialog's edit.
  public GUIObjectString(QNComponent component) { super(component); }
  public GUIObjectString(QNComponent component, QNPanel panel, int x, int y, int w, int h, int back,
                   int fore, IFont font, boolean enabled, String name) {
    super(component);
  }
  public void setValue(String value) { this.value = value; }
  public String getValue() { return value; }
}
