// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// The dialog that asks for a program's values: its title, whether it asks
// for the output device too, and one entry per value.
public class QNAsk {
  public QNAsk(String title, boolean outputDevice, QNAskObject[] entries) {}
  public String getOutput() { return ""; }
  public boolean getConfirmed() { return true; }
}
