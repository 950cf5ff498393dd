// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// The kinds of value an edit control takes.
public class QNTypeConstants {
  public static final int NUMERIC = 1;
  public static final int CHAR = 2;
  public static final int VARCHAR = 3;
  public static final int LONGVARCHAR = 4;
  public static final int DATETIME = 5;
  public static final int DATE = 6;
}
