// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

public class QNWorkpanel {
  public int context;
  public int remoteHandle;
  // Standard constants: Qnnewline char(4).
  public String QN_nl = "\r\n";

  // setfocus( of a control; the refresh of an array shown on the panel.
  public void setFocus(Object control) {}
  public void refreshArray(String name) {}
}
