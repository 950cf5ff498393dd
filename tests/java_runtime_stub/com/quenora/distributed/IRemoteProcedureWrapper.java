// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.distributed;

// A procedure reached on an application server: its parameters packed.
public interface IRemoteProcedureWrapper {
  byte[] execute(byte[] parms);
}
