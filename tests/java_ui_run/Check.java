// The assertions of the runs and the reflective access they share. A run
// reports every failed check on standard error, named by its case, and
// finishes with exit status 1 when any failed (0 otherwise).
import java.lang.reflect.Field;
import java.lang.reflect.Method;
import java.util.Objects;

final class Check {
  private final String name;
  private int failures;

  Check(String name) { this.name = name; }

  void fail(String what) {
    failures++;
    System.err.println(name + ": " + what);
  }

  void that(boolean ok, String what) {
    if (!ok) fail(what);
  }

  void equal(Object expected, Object actual, String what) {
    if (!Objects.equals(expected, actual)) {
      fail(what + ": expected <" + expected + ">, got <" + actual + ">");
    }
  }

  boolean failed() { return failures > 0; }

  // The exit status of the run.
  int finish() {
    if (failures == 0) {
      System.out.println(name + ": ok");
      return 0;
    }
    System.err.println(name + ": " + failures + " failed check(s)");
    return 1;
  }

  // A field of the object's class or of one of its superclasses.
  static Field field(Class<?> c, String name) {
    for (Class<?> k = c; k != null; k = k.getSuperclass()) {
      try {
        Field f = k.getDeclaredField(name);
        f.setAccessible(true);
        return f;
      } catch (NoSuchFieldException e) {
        // the superclass's
      }
    }
    return null;
  }

  static Object get(Object target, String name) {
    Field f = field(target.getClass(), name);
    if (f == null) throw new IllegalArgumentException("no field " + name);
    try {
      return f.get(target);
    } catch (IllegalAccessException e) {
      throw new IllegalStateException(e);
    }
  }

  static void set(Object target, Field f, Object value) {
    try {
      f.set(target, value);
    } catch (IllegalAccessException e) {
      throw new IllegalStateException(e);
    }
  }

  // A method of the object's class or of one of its superclasses, any
  // access.
  static Method method(Class<?> c, String name, Class<?>... parameters) {
    for (Class<?> k = c; k != null; k = k.getSuperclass()) {
      try {
        Method m = k.getDeclaredMethod(name, parameters);
        m.setAccessible(true);
        return m;
      } catch (NoSuchMethodException e) {
        // the superclass's
      }
    }
    return null;
  }

  // Calls the method; an exception it throws is a failed check.
  Object call(Object target, String name, Class<?>[] types, Object... args) {
    Method m = method(target.getClass(), name, types);
    if (m == null) {
      fail("no method " + name);
      return null;
    }
    try {
      return m.invoke(target, args);
    } catch (ReflectiveOperationException e) {
      Throwable cause = e.getCause() != null ? e.getCause() : e;
      fail(name + " threw " + cause);
      return null;
    }
  }
}
