// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class QNTabControl extends QNControl {
  public QNTabControl(Object owner, QNPanel panel, int x, int y, int w, int h, int back, int fore,
                      int a, int b, int c, boolean hideTabs) {}
}
