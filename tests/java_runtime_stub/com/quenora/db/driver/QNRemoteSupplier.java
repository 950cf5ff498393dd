// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

// The server's side of a supplier, reached when the data base is remote:
// packed parameters in, packed rows out.
public class QNRemoteSupplier {
  public byte[] fetchFirst(byte[] parms) { return new byte[0]; }
  public void executeUpd(byte[] parms) {}
}
