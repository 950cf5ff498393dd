// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A panel of the form: a level's window or a tab page's inside.
public class QNPanel {
  public QNPanel(Object owner, int x, int y, int w, int h) {}
  public void refreshFrame() {}
}
