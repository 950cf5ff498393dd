// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class ILabel extends QNControl {
  public static final int LEFT = 0;
  public static final int RIGHT = 1;
  public static final int CENTER = 2;
  public static final int BORDER_NONE = 0;
  public static final int BORDER_SINGLE = 1;
  public static final int BORDER_3D = 2;
}
