// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A page of a tab control; the controls on it sit in its panel.
public class QNTabPage {
  private final QNPanel panel = new QNPanel(this, 0, 0, 0, 0);

  public QNTabPage(QNTabControl control, String title, int x, int y, int w, int h, int back,
                   int fore, int a, int b) {}
  public QNPanel getQNPanel() { return panel; }
}
