// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import java.util.Date;

public class QNutil {
  public static void msg(Object caller, String text) {}
  public static void msg(String text) {}
  // The answer of the last confirmation.
  public static boolean Confirmed;
  public static void confirm(Object caller, String text, boolean defaultYes) {}
  // A program named at run time: found by name, run with the holders.
  public static String getObjectName(String packagePrefix, String program) { return program; }
  public static void dynamicExecute(ModelContext context, int remoteHandle, Class<?> caller,
                                    String program, Object[] arguments) {}

  // str( int(18,2,s), int(9,0,s), int(9,0,s) : char(254)
  public static String str(double value, int length, int decimals) { return ""; }
  // trim( rtrim( : char(254) : char(254)
  public static String trim(String s) { return s; }
  public static String rtrim(String s) { return s; }
  public static String ltrim(String s) { return s; }
  // padl( padr( char(254), int(3), char(1) : char(254)
  public static String padl(String s, short length, String fill) { return s; }
  public static String padr(String s, short length, String fill) { return s; }
  // substr( char(254), int(9), int(9) : char(254); concat( char(254) x3 : char(254)
  public static String substring(String s, int from, int length) { return s; }
  public static String concat(String a, String b, String c) { return a; }
  // chr( int(3) : char(1); asc( char(1) : int(3)
  public static String chr(short code) { return ""; }
  public static short asc(String s) { return 0; }
  // val( char(64) : int(19,5,s); round( int(19,5,s), int(8) : int(19,5,s)
  public static double val(String s) { return 0; }
  public static double round(double value, int decimals) { return value; }
  // day( date(8) : int(9); hour( dtime(10,8) : int(9); today( : date(8)
  public static int day(Date d) { return 0; }
  public static int hour(Date t) { return 0; }
  public static Date today() { return null; }
  // eom( date(8) : date(8); addmth( date(10,8), int(4,0,s) : date(10,8)
  public static Date eomdate(Date d) { return d; }
  public static Date addmth(Date d, short months) { return d; }
  // Operators on dates: date + or - days (int(9)); date - date : int(15,0,s).
  public static Date dadd(Date d, int days) { return d; }
  public static Date dtadd(Date d, int days) { return d; }
  public static long ddiff(Date a, Date b) { return 0; }
  public static long dtdiff(Date a, Date b) { return 0; }
  // The date part of a date-time assigned to a date.
  public static Date resetDate(Date d) { return d; }
  public static Date resetTime(Date d) { return d; }
  // The empty date: one fixed date.
  private static final Date NULL_DATE = new Date(-62135596800000L);
  public static Date nullDate() { return NULL_DATE; }
  // Comparisons: texts without their trailing blanks (null as empty), dates
  // by time (null as the empty date).
  public static int strcmp(String a, String b) {
    String x = a == null ? "" : a.replaceAll("\\s+$", "");
    String y = b == null ? "" : b.replaceAll("\\s+$", "");
    return x.compareTo(y);
  }
  public static int datecmp(Date a, Date b) {
    return (a == null ? NULL_DATE : a).compareTo(b == null ? NULL_DATE : b);
  }
  public static boolean like(String value, String pattern) { return false; }
  public static String upper(String s) { return s == null ? null : s.toUpperCase(java.util.Locale.ROOT); }
  // fileexist( char(254) : int(1)
  public static byte fileExists(String path) { return 0; }
  // The user connected to a server or data store.
  public static String userId(String server, ModelContext context, int remoteHandle, String store) {
    return "";
  }
}
