/** Delimited text files (static). */
public final class DelimitedFiles {
  private DelimitedFiles() {}

  // dfropen( char(254), int(6), char(2), char(2) : int(3)
  public static short dfropen(String file, int width, String separator, String delimiter) { return 0; }
}
