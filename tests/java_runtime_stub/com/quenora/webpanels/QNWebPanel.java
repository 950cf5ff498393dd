// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.webpanels;

import java.util.Date;

public class QNWebPanel {
  public int context;
  public int remoteHandle;
  // Standard constants: Qnnewline char(4).
  public String QN_nl = "\r\n";

  // userid( char(1), int(9), int(9), char(254) : char(40)
  public String getUserId(String kind, int context, int remoteHandle, String dbms) { return ""; }
  // formatLink( char(9) : char(9); the encoding of link parameters by type.
  public String formatLink(String target) { return target; }
  public String formatDateParm(Date d) { return ""; }
  public String formatDateTimeParm(Date d) { return ""; }
  // staticdir( : char(40)
  public static String getStaticDir() { return ""; }
}
