// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class IFont {
  public static final int BOLD = 1;
  public static final int ITALIC = 2;
  public static final int UNDERLINE = 4;
  public static final int STRIKETHRU = 8;
}
