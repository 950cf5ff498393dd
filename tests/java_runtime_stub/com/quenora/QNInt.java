// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

public class QNInt {
  public void setValue(int value) {}

  public int getValue() {
    return 0;
  }
}
