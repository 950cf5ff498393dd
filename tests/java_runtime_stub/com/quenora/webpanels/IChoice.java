// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.webpanels;

import com.quenora.uifactory.QNControl;

public class IChoice extends QNControl {
  public void removeAllItems() {}
  // additem( Value, Text: an item of the value's type and its text.
  public void addItem(Object value, String text) {}
  // Each item's value and text (from 1; their number is QNControl's).
  public String getItemValue(int index) { return ""; }
  public String getItemText(int index) { return ""; }
}
