// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// The producer of a subfile's lines: the panel's buffer and load methods.
public class QNLoadProducer {
  public void loadToBuffer() {}
  public synchronized void runLoad() throws QNLoadInterruptException {}
  public void closeCursors() {}
}
