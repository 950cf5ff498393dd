// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

public class QNDBSupplier {
  // The cursor's state after its last fetch or statement.
  public boolean eof() { return true; }
  public boolean locked() { return false; }
  public boolean duplicated() { return false; }
}
