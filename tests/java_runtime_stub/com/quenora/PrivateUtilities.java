// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

public class PrivateUtilities {
  public static void msg(String text) {}
  public static void throwRemoteException(Throwable e) {}
}
