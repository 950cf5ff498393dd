// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

public class QNProcedure {
  public int context;
  public int remoteHandle;
  // Standard constants: Qnnewline char(4).
  public String QN_nl = "\r\n";
}
