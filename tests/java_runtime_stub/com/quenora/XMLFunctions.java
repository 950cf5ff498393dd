// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

public class XMLFunctions {
  // xmlstart( char(254) : int(4)
  public short xmlStart(String root) { return 0; }
}
