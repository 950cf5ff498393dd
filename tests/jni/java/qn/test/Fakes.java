package qn.test;

/** Drives the recording fakes of the test copy of libQnOffice. */
public final class Fakes {
  static {
    System.loadLibrary("QnOffice");
  }

  private Fakes() {}

  /** Puts the fakes in place of the module's classes; forgets the log and the script. */
  public static native void reset();

  /** The output a fake member writes for the parameter key; null removes it. */
  public static native void script(String key, String value);

  /** The member calls logged since the last call, one line each. */
  public static native String[] log();

  /** Making an object fails from now on (or no longer). */
  public static native void failCreation(boolean fail);

  /** Members log nothing from now on (or again), for timing. */
  public static native void quiet(boolean quiet);

  /** The calling thread joins the multithreaded apartment; returns the result code. */
  public static native int enterMultithreaded();
}
