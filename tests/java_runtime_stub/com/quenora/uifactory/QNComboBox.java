// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class QNComboBox extends QNControl {
  public void addItem(Object value, String text) {}
  public void removeAllItems() {}
  // A combo in a subfile column.
  public void setTransactionMode() {}
}
