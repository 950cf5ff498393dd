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
  public static IQNButton getQNButton(QNPanel panel, String caption, int x, int y, int w, int h,
                                      IFont font) {
    return new IQNButton();
  }
  public static IQNButton getQNButton(QNPanel panel, String bitmap, int x, int y, int w, int h) {
    return new IQNButton();
  }
  // The codes of the function keys.
  public static class KeyCodes {
    public int getF1() { return 112; }
    public int getF2() { return 113; }
    public int getF3() { return 114; }
    public int getF4() { return 115; }
    public int getF5() { return 116; }
    public int getF6() { return 117; }
    public int getF7() { return 118; }
    public int getF8() { return 119; }
    public int getF9() { return 120; }
    public int getF10() { return 121; }
    public int getF11() { return 122; }
    public int getF12() { return 123; }
  }
  public static KeyCodes getKeyCodes() { return new KeyCodes(); }
  // A menu of a menu bar: caption, name, shortcut, key, enabled.
  public static IMenu getMenu(String caption, String name, String shortcut, int key,
                              boolean enabled) {
    return new Menu(caption, name, enabled);
  }
  // The menu getMenu makes, with what it was made of (for the runs that
  // record a menu bar).
  public static final class Menu implements IMenu {
    public final String caption, name;
    public final boolean enabled;
    Menu(String caption, String name, boolean enabled) {
      this.caption = caption;
      this.name = name;
      this.enabled = enabled;
    }
  }
}
