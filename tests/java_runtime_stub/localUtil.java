import java.util.Date;

/** Locale-dependent model functions (static). */
public final class localUtil {
  private localUtil() {}

  // ttoc( dtime(10,8), int(2), int(2) : char(254)
  public static String ttoc(Date d, byte length, byte decimals) { return ""; }
}
