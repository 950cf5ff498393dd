// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class QNControl extends QNComponent {
  public Object getQNComponent() { return this; }
  // Visible int(1); Count int(2); Style (no row) char(1024).
  public byte getVisible() { return 0; }
  public byte getItemCount() { return 0; }
  public String getQNStyle() { return ""; }
  // A control shows a variable of any type.
  public void setValue(Object value) {}
}
