// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class QNListBox extends QNControl {
  public void addItem(Object value, String text) {}
}
