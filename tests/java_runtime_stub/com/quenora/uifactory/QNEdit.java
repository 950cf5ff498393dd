// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class QNEdit extends QNControl {
  public QNEdit() {}
  // The edit of an ask dialog: length, picture, type.
  public QNEdit(int length, String picture, int type) {}
  public QNEdit(int length, String picture, IFont font, int x, int y, int w, int h, QNPanel panel,
                boolean colour, int outstyle, int type, boolean password) {}
  public void setAlignment(int alignment) {}
}
