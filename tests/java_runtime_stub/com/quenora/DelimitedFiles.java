// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

public final class DelimitedFiles {
  private DelimitedFiles() {}

  // dfropen( char(254), int(6), char(2), char(2) : int(3)
  public static short dfropen(String file, int width, String separator, String delimiter) { return 0; }
}
