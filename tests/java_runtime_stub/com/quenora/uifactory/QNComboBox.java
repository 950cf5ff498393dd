// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class QNComboBox extends QNControl {
  public QNComboBox() {}
  // A dynamic combo: the table's data object, the value and text attribute
  // numbers, sorted or not.
  public QNComboBox(com.quenora.db.driver.DatabaseClass table, int valueAttribute,
                    int textAttribute, boolean sort) {}
  public void addItem(Object value, String text) {}
  public void removeAllItems() {}
  // A combo in a subfile column.
  public void setTransactionMode() {}
}
