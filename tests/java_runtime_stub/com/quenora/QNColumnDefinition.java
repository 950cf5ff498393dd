// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.uifactory.*;

// A column of a subfile: the control of its cells and its title.
public class QNColumnDefinition {
  private final GUIObject control;

  public QNColumnDefinition(GUIObject control, String title, int titleFore, int titleBack,
                            int width, IFont titleFont, boolean enabled) {
    this.control = control;
  }
  public GUIObject getControl() { return control; }
}
