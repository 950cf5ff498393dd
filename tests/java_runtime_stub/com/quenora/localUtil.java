// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import java.util.Date;

public final class localUtil {
  private localUtil() {}

  // The run-time texts by key (msg_text/2 and msg_text/3).
  public static final class Messages {
    public String getMessage(String key) { return key; }
    public String getMessage(String key, Object[] arguments) { return key; }
  }
  public static Messages getMessages() { return new Messages(); }

  // transformNumeric( int(14,2), char(254) : char(254); transformChar(,
  // transformDate( and transformDateTime( the same of a text, a date and a
  // date-time.
  public static String format(double value, String picture) { return ""; }
  public static String format(String value, String picture) { return ""; }
  public static String format(Date value, String picture) { return ""; }

  // ctodl( char(12) : date(8), in the language's date order; ctod( with the
  // order given by number.
  public static Date ctod(String text) { return new Date(); }
  public static Date ctod(String text, int order) { return new Date(); }
  // ctotl( char(22) : dtime(10,8).
  public static Date ctot(String text) { return new Date(); }

  // testcdate( char(22), int(2) : int(1) and testcdt( char(22), int(2),
  // int(2) : int(1): a text that reads as a date or date-time.
  public static byte vcdate(String text, byte format) { return 1; }
  public static byte vcdtime(String text, byte format, byte hours) { return 1; }

  // ttoc( dtime(10,8), int(2), int(2) : char(254)
  public static String ttoc(Date d, byte length, byte decimals) { return ""; }
}
