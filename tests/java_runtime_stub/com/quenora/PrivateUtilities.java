// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

public class PrivateUtilities {
  public static void msg(String text) {}
  public static void throwRemoteException(Throwable e) {}
  // encodeStaticParm( char(10) : char(10): a parameter in a static page's file name.
  public static String encodeStaticParm(String s) { return s; }
  // urlencode( char(10) : char(10)
  public static String encodeURL(String s) { return s; }
}
