// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class IQNButton extends QNControl implements IFocusableControl {
  public void setTooltip(String text) {}
  public void addActionListener(Object listener) {}
  public boolean isEventSource(Object source) { return source == this; }
}
