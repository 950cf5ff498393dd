package qn.test;

import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.util.HashMap;
import java.util.Map;

/**
 * The declared natives against the table they were written from: each
 * method's JNI descriptor, and the argument bytes of its 32-bit export name
 * worked out from that descriptor (4 for the environment, 4 for the object,
 * 8 for a long or double, 4 for anything else). Loads no library.
 */
public final class DeclarationsTest {
  // class, native, descriptor, bytes
  static final String[][] NATIVES = {
      {"QnWord", "Open", "(Ljava/lang/String;[S)S", "16"},
      {"QnWord", "Hide", "(S)S", "12"},
      {"QnWord", "Show", "(S)S", "12"},
      {"QnWord", "Close", "(S)S", "12"},
      {"QnWord", "getError", "()S", "8"},
      {"QnWord", "setDisplayMessages", "(S)V", "12"},
      {"QnWord", "PrintOut", "(SSS)S", "20"},
      {"QnWord", "setTemplate", "(Ljava/lang/String;)V", "12"},
      {"QnWord", "setReadOnly", "(S)V", "12"},
      {"QnWord", "Put", "(SLjava/lang/String;S)S", "20"},
      {"QnWord", "Get", "(S[Ljava/lang/String;)S", "16"},
      {"QnWord", "SpellCheck", "(S)S", "12"},
      {"QnWord", "Save", "(S)S", "12"},
      {"QnWord", "Replace", "(SLjava/lang/String;Ljava/lang/String;SS)S", "28"},
      {"QnWord", "SaveAs", "(SLjava/lang/String;Ljava/lang/String;SS)S", "28"},
      {"QnWord", "cleanup", "()V", "8"},
      {"QnExcel", "Open", "(Ljava/lang/String;[S)S", "16"},
      {"QnExcel", "Show", "(S)S", "12"},
      {"QnExcel", "Close", "(S)S", "12"},
      {"QnExcel", "Save", "(S)S", "12"},
      {"QnExcel", "Hide", "(S)S", "12"},
      {"QnExcel", "Clear", "(S)S", "12"},
      {"QnExcel", "GetLong", "(SII[J)S", "24"},
      {"QnExcel", "GetDouble", "(SII[D)S", "24"},
      {"QnExcel", "GetDate", "(SII[Ljava/util/Date;)S", "24"},
      {"QnExcel", "GetString", "(SII[Ljava/lang/String;)S", "24"},
      {"QnExcel", "PutLong", "(SIIJ)S", "28"},
      {"QnExcel", "PutDouble", "(SIID)S", "28"},
      {"QnExcel", "PutDate", "(SIILjava/util/Date;)S", "24"},
      {"QnExcel", "PutString", "(SIILjava/lang/String;)S", "24"},
      {"QnExcel", "Type", "(SII[Ljava/lang/String;)S", "24"},
      {"QnExcel", "getError", "()S", "8"},
      {"QnExcel", "setDisplayMessages", "(S)V", "12"},
      {"QnExcel", "setDefaultPath", "(Ljava/lang/String;)V", "12"},
      {"QnExcel", "PrintOut", "(SS)S", "16"},
      {"QnExcel", "setTemplate", "(Ljava/lang/String;)V", "12"},
      {"QnExcel", "setReadOnly", "(S)V", "12"},
      {"QnExcel", "SelectSheet", "(SLjava/lang/String;)S", "16"},
      {"QnExcel", "RenameSheet", "(SLjava/lang/String;)S", "16"},
      {"QnExcel", "GetFormat", "(SII[I[Ljava/lang/String;[I)S", "32"},
      {"QnExcel", "PutFormat", "(SIIIIILjava/lang/String;D)S", "44"},
      {"QnExcel", "setAutoFit", "(S)V", "12"},
      {"QnExcel", "cleanup", "()V", "8"},
      {"QnMail", "LoginMAPI", "(Ljava/lang/String;SS)S", "20"},
      {"QnMail", "Logout", "()S", "8"},
      {"QnMail", "Send", "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;)S", "32"},
      {"QnMail", "setEditWindow", "(S)V", "12"},
      {"QnMail", "getError", "()S", "8"},
      {"QnMail", "setDisplayMessages", "(S)V", "12"},
      {"QnMail", "Receive", "([Ljava/lang/String;[Ljava/lang/String;[Ljava/lang/String;[Ljava/lang/String;[Ljava/lang/String;[Ljava/lang/String;[Ljava/util/Date;[Ljava/util/Date;)S", "40"},
      {"QnMail", "setAttachDir", "(Ljava/lang/String;)V", "12"},
      {"QnMail", "setAddressFormat", "(S)V", "12"},
      {"QnMail", "setMode", "(Ljava/lang/String;)V", "12"},
      {"QnMail", "LoginSMTP", "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;S)S", "32"},
      {"QnMail", "LoginPOP3", "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;SSS)S", "32"},
      {"QnMail", "ChangeFolder", "(Ljava/lang/String;SS)S", "20"},
      {"QnMail", "getCount", "()I", "8"},
      {"QnMail", "cleanup", "()V", "8"},
  };

  /** The argument bytes of a descriptor. */
  static int bytes(String descriptor) {
    int n = 8;
    int i = 1;
    while (descriptor.charAt(i) != ')') {
      char c = descriptor.charAt(i);
      boolean array = false;
      while (c == '[') {
        array = true;
        c = descriptor.charAt(++i);
      }
      if (c == 'L') i = descriptor.indexOf(';', i);
      n += !array && (c == 'J' || c == 'D') ? 8 : 4;
      i++;
    }
    return n;
  }

  static String descriptor(Class<?> c) {
    if (c.isArray()) return "[" + descriptor(c.getComponentType());
    if (!c.isPrimitive()) return "L" + c.getName().replace('.', '/') + ";";
    Map<Class<?>, String> p = new HashMap<>();
    p.put(short.class, "S");
    p.put(int.class, "I");
    p.put(long.class, "J");
    p.put(double.class, "D");
    p.put(boolean.class, "Z");
    p.put(void.class, "V");
    return p.get(c);
  }

  static String descriptor(Method m) {
    StringBuilder b = new StringBuilder("(");
    for (Class<?> p : m.getParameterTypes()) b.append(descriptor(p));
    return b.append(")").append(descriptor(m.getReturnType())).toString();
  }

  public static void main(String[] args) throws Exception {
    int failures = 0;
    Map<String, String> declared = new HashMap<>();
    for (String name : new String[] {"QnWord", "QnExcel", "QnMail"}) {
      // Not initialised: the library is not needed to read the declarations.
      Class<?> c = Class.forName("com.quenora.qnoffice." + name, false,
          DeclarationsTest.class.getClassLoader());
      for (Method m : c.getDeclaredMethods()) {
        if (Modifier.isNative(m.getModifiers())) {
          declared.put(name + "." + m.getName(), descriptor(m));
          if (!Modifier.isPublic(m.getModifiers()) || Modifier.isStatic(m.getModifiers())) {
            System.out.println("FAIL: " + name + "." + m.getName() + " is not a public instance native");
            failures++;
          }
        }
      }
    }
    for (String[] n : NATIVES) {
      String key = n[0] + "." + n[1];
      String actual = declared.remove(key);
      if (!n[2].equals(actual)) {
        System.out.println("FAIL: " + key + " declared " + actual + ", table " + n[2]);
        failures++;
      }
      if (bytes(n[2]) != Integer.parseInt(n[3])) {
        System.out.println("FAIL: " + key + " has " + bytes(n[2]) + " argument bytes, table " + n[3]);
        failures++;
      }
    }
    for (String extra : declared.keySet()) {
      System.out.println("FAIL: " + extra + " is not in the table");
      failures++;
    }
    if (failures > 0) System.exit(1);
    System.out.println(NATIVES.length + " natives as declared");
  }
}
