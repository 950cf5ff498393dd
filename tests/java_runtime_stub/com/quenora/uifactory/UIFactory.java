// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// Makes the form's components; colours are packed r, g, b.
public class UIFactory {
  public static int getColor(int r, int g, int b) { return (r << 16) | (g << 8) | b; }
  public static IFont getFont(String name, int styles, int size) { return new IFont(); }
  public static ILabel getLabel(QNPanel panel, String text, int align, int back, int fore,
                                IFont font, boolean wrap, int outstyle, int x, int y, int w, int h) {
    return new ILabel();
  }
  public static IQNRectangle getQNRectangle(QNPanel panel, int border, int x, int y, int w, int h,
                                            int back, int fore, int outstyle) {
    return new IQNRectangle();
  }
  public static IQNImage getQNImage(QNPanel panel, String file, int x, int y, int w, int h) {
    return new IQNImage();
  }
  public static IQNRadioButton getQNRadioButton(String title, int buttons, IQNRectangle frame,
                                                QNPanel panel, int x, int y, int w, int h) {
    return new IQNRadioButton();
  }
}
