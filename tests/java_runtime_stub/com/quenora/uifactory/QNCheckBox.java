// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A checkbox with its caption and the values it stands for, checked or not.
public class QNCheckBox extends QNControl {
  public QNCheckBox(String caption, Object checked, Object unchecked) {}
}
