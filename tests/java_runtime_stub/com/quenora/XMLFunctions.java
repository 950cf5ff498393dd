// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

public class XMLFunctions {
  // xmlstart( char(254) : int(4)
  public short xmlStart(String root) { return 0; }
  // The same document written to the HTTP response.
  public short xmlStartWeb(String root) { return 0; }
  public void setWriter(java.io.Writer writer) {}
}
