// Values of the Java types a generated class gives its variables: a value
// distinct for each k, the cleared value, a value read from a run file, and
// the value a control holder keeps (its getValue()).
import java.lang.reflect.Method;
import java.util.Date;

final class Values {
  private Values() {}

  static boolean supported(Class<?> t) {
    return t == byte.class || t == short.class || t == int.class || t == long.class
        || t == double.class || t == boolean.class || t == String.class || t == Date.class;
  }

  static Object distinct(Class<?> t, int k) {
    if (t == byte.class) return (byte) k;
    if (t == short.class) return (short) k;
    if (t == int.class) return k;
    if (t == long.class) return (long) k;
    if (t == double.class) return k + 0.5;
    if (t == boolean.class) return true;
    if (t == String.class) return "v" + k;
    return new Date(86_400_000L * k);
  }

  static Object cleared(Class<?> t) {
    if (t == byte.class) return (byte) 0;
    if (t == short.class) return (short) 0;
    if (t == int.class) return 0;
    if (t == long.class) return 0L;
    if (t == double.class) return 0.0;
    if (t == boolean.class) return false;
    if (t == String.class) return "";
    return new Date(0);
  }

  static Object parse(Class<?> t, String text) {
    if (t == byte.class) return Byte.valueOf(text);
    if (t == short.class) return Short.valueOf(text);
    if (t == int.class) return Integer.valueOf(text);
    if (t == long.class) return Long.valueOf(text);
    if (t == double.class) return Double.valueOf(text);
    if (t == boolean.class) return Boolean.valueOf(text);
    if (t == String.class) return text;
    return new Date(86_400_000L * Long.parseLong(text));
  }

  // The value a control holder keeps.
  static Object of(Object holder) throws ReflectiveOperationException {
    Method get = holder.getClass().getMethod("getValue");
    return get.invoke(holder);
  }
}
