// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class IQNRadioButton extends QNControl {
  public void addButton(Object value, String text) {}
}
