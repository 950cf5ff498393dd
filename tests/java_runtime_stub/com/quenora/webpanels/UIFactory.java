// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.webpanels;

// The objects behind a web panel's labels and list controls, and colours.
public class UIFactory {
  public static ILabel getLabel(QNWebPanel panel) { return new ILabel(); }
  public static IChoice getChoice(QNWebPanel panel) { return new IChoice(); }
  public static IListbox getListbox(QNWebPanel panel) { return new IListbox(); }
  public static ICheckbox getCheckbox(QNWebPanel panel) { return new ICheckbox(); }
  public static int getColor(int r, int g, int b) { return (r << 16) | (g << 8) | b; }
}
