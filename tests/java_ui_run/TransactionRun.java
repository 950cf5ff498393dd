// The run of a transaction's classes, its subfiles' element classes and
// flow classes against the runtime stand-in, without a display:
//
//   java -ea -cp <runs>:<stand-in> TransactionRun RUN_FILE FOLDER...
//
// The .java (and .jtm) files of the folders are compiled; the run file says
// what to drive:
//   - an element class: each field's setter and getter round-trip a value;
//     clear() makes isEmpty() true and one field set makes it false;
//     compareTo orders two lines by each column (numbers, texts ignoring
//     case, dates); setColumn into a component and setField back from it
//     round-trip each column; a transaction's element answers isChanged()
//     0, and 1 once a field with a pseudo twin ("Z" + its name) changes;
//   - a flow class (an inner class of the form): getNewSubfileElement's
//     class, isLoadAtStartup, getSearch of a new line;
//   - a form: constructed with the remote handle -1, initialised, screen();
//     its Cancel button's action runs cleanup() (a transaction is then
//     cleaned up);
//   - a split: the client's sendData read by the server's getData and the
//     server's sendData by the client's getData, sendKey by getKey, each
//     with no value of another type and none left over.
//
// Run file, one statement a line ("#" starts a comment):
//   package NAME                (optional, as for WorkPanelRun)
//   class NAME                  the form's class (a split's client)
//   server NAME                 a split's server class
//   cancel CONTROL              the Cancel button's field
//   element CLASS [changed]     an element class; "changed": it has isChanged
//   flow CLASS ELEMENT load|noload search|nosearch [FIELD=VALUE]
//                               (the form's field given the value first)
//
// Exit status 0 when every check holds, 1 otherwise, 2 on a usage error.
import com.quenora.QNSubfileElement;
import com.quenora.QNSubfileFlow;
import com.quenora.QNTransaction;
import com.quenora.distributed.QNParameterPacker;
import com.quenora.distributed.QNParameterUnpacker;
import com.quenora.uifactory.QNComponent;
import java.lang.reflect.Constructor;
import java.lang.reflect.Method;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.*;

public final class TransactionRun {
  private final Check check;
  private String packageName;
  private String className;
  private String serverName;
  private String cancel;
  private final List<String[]> elements = new ArrayList<>();
  private final List<String[]> flows = new ArrayList<>();
  private ClassLoader loader;
  private Object form;

  private TransactionRun(Check check) { this.check = check; }

  public static void main(String[] args) throws Exception {
    if (args.length < 2) {
      System.err.println("usage: TransactionRun RUN_FILE FOLDER...");
      System.exit(2);
    }
    Path runFile = Path.of(args[0]);
    TransactionRun run = new TransactionRun(new Check(runFile.getParent().getFileName().toString()));
    if (!run.read(runFile)) System.exit(2);
    run.loader = CaseClasses.compile(Arrays.asList(args).subList(1, args.length), run.packageName);
    if (run.loader == null) {
      run.check.fail("the case's classes do not compile");
    } else {
      run.drive();
    }
    System.exit(run.check.finish());
  }

  private boolean read(Path file) throws Exception {
    for (String raw : Files.readAllLines(file)) {
      String line = raw.replaceAll("#.*", "").trim();
      if (line.isEmpty()) continue;
      String[] w = line.split("\\s+");
      switch (w[0]) {
        case "package" -> packageName = w[1];
        case "class" -> className = w[1];
        case "server" -> serverName = w[1];
        case "cancel" -> cancel = w[1];
        case "element" -> elements.add(w);
        case "flow" -> flows.add(w);
        default -> {
          System.err.println(file + ": unknown statement " + line);
          return false;
        }
      }
    }
    return true;
  }

  private Class<?> load(String name) throws ClassNotFoundException {
    return loader.loadClass(packageName == null ? name : packageName + "." + name);
  }

  private void drive() throws Exception {
    if (className != null) {
      form = newForm(load(className));
      if (form == null) return;
    }
    for (String[] e : elements) element(load(e[1]), e.length > 2 && e[2].equals("changed"));
    if (form != null) {
      for (String[] f : flows) flow(f);
      if (cancel != null) cancel();
      if (serverName != null) split(load(serverName));
    }
  }

  private Object newForm(Class<?> c) throws Exception {
    Object o = c.getConstructor(int.class).newInstance(-1);
    if (Check.method(c, "initialize") != null) check.call(o, "initialize", new Class<?>[0]);
    if (Check.method(c, "screen") != null) check.call(o, "screen", new Class<?>[0]);
    return check.failed() ? null : o;
  }

  // --- element classes ---------------------------------------------------------

  // The fields with a getter and a setter, in declaration order: the
  // columns first.
  private static List<String> fields(Class<?> c) {
    List<String> out = new ArrayList<>();
    for (java.lang.reflect.Field f : c.getDeclaredFields()) {
      if (Check.method(c, "get" + f.getName()) != null
          && Check.method(c, "set" + f.getName(), f.getType()) != null) {
        out.add(f.getName());
      }
    }
    return out;
  }

  private static Class<?> type(Class<?> c, String field) {
    return Check.method(c, "get" + field).getReturnType();
  }

  private Object get(Object line, String field) {
    return check.call(line, "get" + field, new Class<?>[0]);
  }

  private void set(Object line, String field, Object value) {
    check.call(line, "set" + field, new Class<?>[] {type(line.getClass(), field)}, value);
  }

  // A value of the type below or above the distinct value k: texts differ
  // in case too, so that the order ignores it.
  private static Object ordered(Class<?> t, int k) {
    if (t == String.class) return k == 1 ? "apple" : "BANANA";
    return Values.distinct(t, k);
  }

  private void element(Class<?> c, boolean changed) throws Exception {
    String name = c.getSimpleName();
    check.that(QNSubfileElement.class.isAssignableFrom(c), name + " is not a subfile element");
    List<String> fields = fields(c);
    check.that(!fields.isEmpty(), name + ": no field with a getter and a setter");
    Object line = c.getConstructor().newInstance();
    int k = 1;
    for (String f : fields) {
      Object v = Values.distinct(type(c, f), k++);
      set(line, f, v);
      check.equal(v, get(line, f), name + ".get" + f + " after set" + f);
    }
    check.call(line, "clear", new Class<?>[0]);
    check.equal(true, check.call(line, "isEmpty", new Class<?>[0]), name + ".isEmpty() after clear()");
    for (String f : fields) {
      check.call(line, "clear", new Class<?>[0]);
      set(line, f, Values.distinct(type(c, f), 7));
      check.equal(false, check.call(line, "isEmpty", new Class<?>[0]), name + ".isEmpty() with " + f + " set");
    }
    // The columns: the fields setColumn writes, in their order.
    List<String> columns = new ArrayList<>();
    Object probe = c.getConstructor().newInstance();
    for (String f : fields) set(probe, f, Values.distinct(type(c, f), 3));
    for (int col = 0; col < fields.size(); col++) {
      QNComponent cell = new QNComponent();
      check.call(probe, "setColumn", new Class<?>[] {QNComponent.class, int.class}, cell, col);
      if (cell.getValue() == null) break;
      columns.add(fields.get(col));
    }
    check.that(!columns.isEmpty(), name + ": setColumn writes no column");
    Method compare = Check.method(c, "compareTo", QNSubfileElement.class, int.class);
    for (int col = 0; col < columns.size(); col++) {
      String f = columns.get(col);
      Class<?> t = type(c, f);
      // setColumn into a cell, setField back from it.
      Object from = c.getConstructor().newInstance();
      Object to = c.getConstructor().newInstance();
      set(from, f, Values.distinct(t, 5));
      QNComponent cell = new QNComponent();
      check.call(from, "setColumn", new Class<?>[] {QNComponent.class, int.class}, cell, col);
      check.call(to, "setField", new Class<?>[] {int.class, QNComponent.class}, col, cell);
      check.equal(get(from, f), get(to, f), name + " column " + col + " through setColumn and setField");
      if (t == boolean.class) continue;
      Object low = c.getConstructor().newInstance();
      Object high = c.getConstructor().newInstance();
      set(low, f, ordered(t, 1));
      set(high, f, ordered(t, 2));
      check.equal(-1, Integer.signum((Integer) compare.invoke(low, high, col)), name + " column " + col + " low < high");
      check.equal(1, Integer.signum((Integer) compare.invoke(high, low, col)), name + " column " + col + " high > low");
      check.equal(0, compare.invoke(low, low, col), name + " column " + col + " equal");
    }
    if (t(String.class, columns, c)) {
      Object a = c.getConstructor().newInstance();
      Object b = c.getConstructor().newInstance();
      int col = columns.indexOf(firstOf(String.class, columns, c));
      set(a, columns.get(col), "Same");
      set(b, columns.get(col), "sAME");
      check.equal(0, compare.invoke(a, b, col), name + " texts compared ignoring case");
    }
    Method isChanged = Check.method(c, "isChanged");
    boolean own = isChanged != null && isChanged.getDeclaringClass() == c;
    check.equal(changed, own, name + " has its own isChanged()");
    if (own) {
      for (String f : fields) {
        if (!fields.contains("Z" + f)) continue;
        Object l = c.getConstructor().newInstance();
        check.equal(0, isChanged.invoke(l), name + ".isChanged() of a new line");
        set(l, f, Values.distinct(type(c, f), 9));
        check.equal(1, isChanged.invoke(l), name + ".isChanged() once " + f + " changed");
        set(l, "Z" + f, Values.distinct(type(c, f), 9));
        check.equal(0, isChanged.invoke(l), name + ".isChanged() with Z" + f + " equal again");
      }
    }
  }

  private static String firstOf(Class<?> t, List<String> columns, Class<?> c) {
    for (String f : columns) {
      if (type(c, f) == t) return f;
    }
    return null;
  }

  private static boolean t(Class<?> t, List<String> columns, Class<?> c) {
    return firstOf(t, columns, c) != null;
  }

  // --- flows -------------------------------------------------------------------

  private void flow(String[] w) throws Exception {
    Class<?> c = load(className + "$" + w[1]);
    check.that(QNSubfileFlow.class.isAssignableFrom(c), w[1] + " is not a subfile flow");
    Constructor<?> k = c.getDeclaredConstructors()[0];
    k.setAccessible(true);
    QNSubfileFlow flow = (QNSubfileFlow) k.newInstance(form);
    QNSubfileElement line = flow.getNewSubfileElement();
    check.equal(w[2], line == null ? null : line.getClass().getSimpleName(), w[1] + ".getNewSubfileElement()");
    check.equal(w[3].equals("load"), flow.isLoadAtStartup(), w[1] + ".isLoadAtStartup()");
    if (w.length > 5) {
      String[] fv = w[5].split("=", 2);
      java.lang.reflect.Field f = Check.field(form.getClass(), fv[0]);
      if (f == null) {
        check.fail("no field " + fv[0]);
      } else {
        Check.set(form, f, Values.parse(f.getType(), fv[1]));
      }
    }
    if (w.length > 4 && line != null) {
      check.equal(w[4].equals("search"), flow.getSearch(line),
                  w[1] + ".getSearch(a new line)" + (w.length > 5 ? " with " + w[5] : ""));
    }
  }

  // --- the Cancel button and the split ----------------------------------------------

  private void cancel() throws Exception {
    Object button = Check.get(form, cancel);
    check.call(form, "actionEventDispatch", new Class<?>[] {Object.class}, button);
    if (form instanceof QNTransaction) {
      check.equal(true, Check.get(form, "cleanedUp"), "Cancel runs cleanup()");
    }
  }

  // What one side sends, the other reads whole.
  private void transfer(Object from, String send, Object to, String get) {
    QNParameterPacker qnp = new QNParameterPacker();
    check.call(from, send, new Class<?>[] {QNParameterPacker.class}, qnp);
    check.that(!qnp.getValues().isEmpty(), from.getClass().getSimpleName() + "." + send + " sends nothing");
    QNParameterUnpacker qnu = new QNParameterUnpacker(qnp);
    check.call(to, get, new Class<?>[] {QNParameterUnpacker.class}, qnu);
    try {
      qnu.end();
    } catch (IllegalStateException e) {
      check.fail(to.getClass().getSimpleName() + "." + get + ": " + e.getMessage());
    }
  }

  private void split(Class<?> server) throws Exception {
    Object srv = server.getConstructor(int.class).newInstance(-1);
    if (Check.method(server, "initialize") != null) check.call(srv, "initialize", new Class<?>[0]);
    transfer(form, "sendData", srv, "getData");
    transfer(srv, "sendData", form, "getData");
    transfer(form, "sendKey", srv, "getKey");
  }
}
