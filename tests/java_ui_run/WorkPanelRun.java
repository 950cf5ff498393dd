// The run of a work panel's class against the runtime stand-in, without a
// display:
//
//   java -ea -cp <runs>:<stand-in> WorkPanelRun RUN_FILE FOLDER...
//
// The .java files of the folders are compiled and the class the run file
// names is driven:
//   - constructed with the remote handle -1 and initialised, screen() sets
//     every field of a form class (the uifactory package, QNSubfile);
//   - every variable of the class gets a distinct value; VariablesToControls
//     moves exactly the pairs the run file lists into their controls; with
//     the variables cleared, ControlsToVariables brings them back;
//   - each dispatch method is called with each control (the subfiles'
//     columns too) and each modifier or key: the markers (fields named
//     Hit...) its events set must be exactly the ones the run file lists;
//   - setNoAccept, called with every control after a variable is given a
//     value, leaves only the listed control in the listed state;
//   - a subfile's load sets exactly the listed markers;
//   - menuActionPerformed with each listed action returns true and sets
//     exactly its markers; with an unknown action false and none.
//
// Run file, one statement a line ("#" starts a comment):
//   package NAME   (optional: sources without a package line are compiled
//                   in it, as a model's package holds them)
//   class NAME
//   shows CONTROL VARIABLE
//   event DISPATCH CONTROL|* [LEFTCLICK|DBLCLICK|RIGHTCLICK|F1..F12|ENTER] MARKER
//   noaccept CONTROL VARIABLE=VALUE enabled|disabled
//   load SUBFILE [MARKER...]
//   menu ACTION MARKER...
//
// Exit status 0 when every check holds, 1 otherwise, 2 on a usage error.
import com.quenora.QNSubfile;
import com.quenora.QNWorkpanel;
import com.quenora.uifactory.GUIObject;
import com.quenora.uifactory.IFocusableControl;
import com.quenora.uifactory.UIFactory;
import java.lang.reflect.Field;
import java.lang.reflect.Modifier;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.*;

public final class WorkPanelRun {
  // The key code the stand-in's triggerEventEnter takes for Enter.
  static final int ENTER = 10;

  private final Check check;
  private String className;
  private String packageName;
  private final Map<String, String> shows = new TreeMap<>();
  private final List<String[]> events = new ArrayList<>();
  private final List<String[]> noAccepts = new ArrayList<>();
  private final List<String[]> loads = new ArrayList<>();
  private final List<String[]> menus = new ArrayList<>();

  private Object panel;
  // The form's controls by name: the fields, then the subfiles' columns.
  private final Map<String, Object> controls = new LinkedHashMap<>();
  private final List<Field> variables = new ArrayList<>();
  private final List<Field> markers = new ArrayList<>();

  private WorkPanelRun(Check check) { this.check = check; }

  public static void main(String[] args) throws Exception {
    if (args.length < 2) {
      System.err.println("usage: WorkPanelRun RUN_FILE FOLDER...");
      System.exit(2);
    }
    Path runFile = Path.of(args[0]);
    WorkPanelRun run = new WorkPanelRun(new Check(runFile.getParent().getFileName().toString()));
    if (!run.read(runFile)) System.exit(2);
    ClassLoader loader =
        CaseClasses.compile(Arrays.asList(args).subList(1, args.length), run.packageName);
    if (loader == null) {
      run.check.fail("the case's classes do not compile");
    } else {
      String name = run.packageName == null ? run.className : run.packageName + "." + run.className;
      run.drive(loader.loadClass(name));
    }
    System.exit(run.check.finish());
  }

  private boolean read(Path file) throws Exception {
    for (String raw : Files.readAllLines(file)) {
      String line = raw.replaceAll("#.*", "").trim();
      if (line.isEmpty()) continue;
      String[] w = line.split("\\s+");
      switch (w[0]) {
        case "class" -> className = w[1];
        case "package" -> packageName = w[1];
        case "shows" -> shows.put(w[1], w[2]);
        case "event" -> events.add(w);
        case "noaccept" -> noAccepts.add(w);
        case "load" -> loads.add(w);
        case "menu" -> menus.add(w);
        default -> {
          System.err.println(file + ": unknown statement " + line);
          return false;
        }
      }
    }
    if (className == null) System.err.println(file + ": no class");
    return className != null;
  }

  private void drive(Class<?> c) throws Exception {
    check.that(QNWorkpanel.class.isAssignableFrom(c), c.getName() + " is not a work panel");
    panel = c.getConstructor(int.class).newInstance(-1);
    if (Check.method(c, "initialize") != null) check.call(panel, "initialize", new Class<?>[0]);
    check.call(panel, "screen", new Class<?>[0]);
    if (check.failed()) return;
    formFields(c);
    values();
    dispatch();
    noAccept();
    load();
    menu();
  }

  // The menu actions: each listed one runs its event, an unknown one none.
  private void menu() throws Exception {
    List<String[]> actions = new ArrayList<>(menus);
    actions.add(new String[] {"menu", "no such action"});
    for (String[] m : actions) {
      for (Field f : markers) f.set(panel, Values.cleared(f.getType()));
      Object taken = check.call(panel, "menuActionPerformed", new Class<?>[] {String.class}, m[1]);
      Set<String> hit = new TreeSet<>();
      for (Field f : markers) {
        if (!Values.cleared(f.getType()).equals(f.get(panel))) hit.add(f.getName());
      }
      check.equal(m.length > 2, taken, "menuActionPerformed(" + m[1] + ")");
      check.equal(new TreeSet<>(Arrays.asList(m).subList(Math.min(2, m.length), m.length)), hit,
                  "menuActionPerformed(" + m[1] + ") markers");
    }
  }

  // Each listed subfile's load: its markers and no other.
  private void load() throws Exception {
    for (String[] l : loads) {
      Object sub = controls.get(l[1]);
      if (!(sub instanceof QNSubfile)) {
        check.fail("no subfile " + l[1]);
        continue;
      }
      for (Field f : markers) f.set(panel, Values.cleared(f.getType()));
      ((QNSubfile) sub).load();
      Set<String> hit = new TreeSet<>();
      for (Field f : markers) {
        if (!Values.cleared(f.getType()).equals(f.get(panel))) hit.add(f.getName());
      }
      check.equal(new TreeSet<>(Arrays.asList(l).subList(2, l.length)), hit, l[1] + ".load()");
    }
  }

  // Every field of a form class is set; the controls and variables are
  // collected.
  private void formFields(Class<?> c) throws Exception {
    for (Field f : c.getDeclaredFields()) {
      if (Modifier.isStatic(f.getModifiers())) continue;
      f.setAccessible(true);
      Class<?> t = f.getType();
      Object value = f.get(panel);
      if (t.getPackageName().equals("com.quenora.uifactory") || QNSubfile.class.isAssignableFrom(t)) {
        check.that(value != null, "screen() leaves " + f.getName() + " unset");
      }
      if (value instanceof IFocusableControl) controls.put(f.getName(), value);
      if (Values.supported(t)) (f.getName().startsWith("Hit") ? markers : variables).add(f);
    }
    for (Map.Entry<String, Object> e : new ArrayList<>(controls.entrySet())) {
      if (!(e.getValue() instanceof QNSubfile)) continue;
      Object[] columns = (Object[]) Check.get(e.getValue(), "columns");
      for (int i = 0; i < columns.length; i++) {
        controls.put(e.getKey() + ".getColumn(" + i + ")", ((QNSubfile) e.getValue()).getColumn(i));
      }
    }
    for (String ctl : shows.keySet()) check.that(controls.containsKey(ctl), "no control " + ctl);
  }

  // VariablesToControls moves the listed pairs and only them;
  // ControlsToVariables brings the cleared variables back.
  private void values() throws Exception {
    Map<String, Object> before = new HashMap<>();
    for (Map.Entry<String, Object> e : controls.entrySet()) {
      if (e.getValue() instanceof GUIObject) before.put(e.getKey(), Values.of(e.getValue()));
    }
    Map<String, Object> given = new HashMap<>();
    int k = 1;
    for (Field f : variables) {
      Object v = Values.distinct(f.getType(), k++);
      f.set(panel, v);
      given.put(f.getName(), v);
    }
    check.call(panel, "VariablesToControls", new Class<?>[0]);
    for (String ctl : before.keySet()) {
      Object now = Values.of(controls.get(ctl));
      String var = shows.get(ctl);
      if (var == null) {
        check.equal(before.get(ctl), now, "VariablesToControls sets " + ctl);
      } else {
        check.that(given.containsKey(var), "no variable " + var);
        check.equal(given.get(var), now, "VariablesToControls: " + ctl + " shows " + var);
      }
    }
    for (Field f : variables) f.set(panel, Values.cleared(f.getType()));
    check.call(panel, "ControlsToVariables", new Class<?>[0]);
    for (String var : shows.values()) {
      Field f = Check.field(panel.getClass(), var);
      if (f != null) check.equal(given.get(var), f.get(panel), "ControlsToVariables brings back " + var);
    }
  }

  // Each dispatch method with each control: the markers set are the listed
  // events' and no other.
  private void dispatch() throws Exception {
    Map<String, Integer> mouse = new LinkedHashMap<>();
    for (String m : List.of("LEFTCLICK", "DBLCLICK", "RIGHTCLICK")) {
      mouse.put(m, QNWorkpanel.class.getField("MOUSE_" + m).getInt(null));
    }
    Map<String, Integer> keys = new LinkedHashMap<>();
    Object codes = UIFactory.getKeyCodes();
    for (int i = 1; i <= 12; i++) {
      keys.put("F" + i, (Integer) codes.getClass().getMethod("getF" + i).invoke(codes));
    }
    keys.put("ENTER", ENTER);
    for (String d : List.of("actionEventDispatch", "gotFocusEventDispatch", "focusEventDispatch",
                            "itemEventDispatch")) {
      for (String ctl : controls.keySet()) {
        run(d, ctl, null, new Class<?>[] {Object.class}, controls.get(ctl));
      }
    }
    for (String ctl : controls.keySet()) {
      for (Map.Entry<String, Integer> m : mouse.entrySet()) {
        run("mouseEventDispatch", ctl, m.getKey(), new Class<?>[] {Object.class, int.class},
            controls.get(ctl), m.getValue());
      }
      for (Map.Entry<String, Integer> key : keys.entrySet()) {
        run("keyEventDispatch", ctl, key.getKey(), new Class<?>[] {Object.class, int.class},
            controls.get(ctl), key.getValue());
      }
    }
    Set<String> named = new HashSet<>();
    for (String[] e : events) {
      if (!e[2].equals("*")) named.add(e[2]);
    }
    for (String ctl : named) check.that(controls.containsKey(ctl), "no control " + ctl);
  }

  private void run(String dispatch, String ctl, String arg, Class<?>[] types, Object... args)
      throws Exception {
    for (Field f : markers) f.set(panel, Values.cleared(f.getType()));
    check.call(panel, dispatch, types, args);
    Set<String> hit = new TreeSet<>();
    for (Field f : markers) {
      if (!Values.cleared(f.getType()).equals(f.get(panel))) hit.add(f.getName());
    }
    Set<String> expected = new TreeSet<>();
    for (String[] e : events) {
      boolean argMatches = arg == null ? e.length == 4 : e.length == 5 && e[3].equals(arg);
      if (e[1].equals(dispatch) && (e[2].equals("*") || e[2].equals(ctl)) && argMatches) {
        expected.add(e[e.length - 1]);
      }
    }
    check.equal(expected, hit, dispatch + "(" + ctl + (arg == null ? "" : ", " + arg) + ")");
  }

  // setNoAccept with every control: only the listed control changes.
  private void noAccept() throws Exception {
    for (String[] n : noAccepts) {
      String[] assignment = n[2].split("=", 2);
      Field var = Check.field(panel.getClass(), assignment[0]);
      if (var == null) {
        check.fail("no variable " + assignment[0]);
        continue;
      }
      var.set(panel, Values.parse(var.getType(), assignment[1]));
      for (Object ctl : controls.values()) {
        if (ctl instanceof GUIObject) ((GUIObject) ctl).setEnabled(true);
      }
      for (Object ctl : controls.values()) {
        check.call(panel, "setNoAccept", new Class<?>[] {Object.class}, ctl);
      }
      for (Map.Entry<String, Object> e : controls.entrySet()) {
        if (!(e.getValue() instanceof GUIObject)) continue;
        boolean enabled = (Boolean) Check.get(e.getValue(), "enabled");
        boolean expected = !e.getKey().equals(n[1]) || n[3].equals("enabled");
        check.equal(expected, enabled, "setNoAccept with " + n[2] + ": " + e.getKey() + " enabled");
      }
    }
  }
}
