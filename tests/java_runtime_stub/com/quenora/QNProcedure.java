// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

public class QNProcedure {
  public ModelContext context;
  public int remoteHandle;
  // Standard constants: Qnnewline char(4).
  public String QN_nl = "\r\n";

  protected QNProcedure() {}
  public QNProcedure(int remoteHandle, ModelContext context, String location) {}

  protected void cleanup() {}
  public void exitApplication() {}
  public boolean isRemoteProcedure() { return false; }
  // The program as the owner of its messages; the status bar's text.
  public Object me() { return this; }
  public void msgStatus(String text) {}
}
