// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import java.util.Date;

public final class localUtil {
  private localUtil() {}

  // ttoc( dtime(10,8), int(2), int(2) : char(254)
  public static String ttoc(Date d, byte length, byte decimals) { return ""; }
}
