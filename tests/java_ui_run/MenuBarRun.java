// Runs a generated menu bar on the recording QNMenuBar (menubar/com/quenora)
// and judges it against the menu facts of its golden case:
// - the tree initMenuBar builds is the menu_i facts' tree: the top menus
//   (Parent 1) and the toolbar buttons in fact order, every menu followed by
//   its entries in fact order, an entry with entries of its own (or popup) a
//   menu, the others items with their checked, disabled and separator
//   properties; entries the bar does not reach (an unknown parent, a
//   cycle, an Id met before, an Id that is no number) are left out;
// - menuActionPerformed answers true for each item that has a menu-bar
//   event, and then getLocation() is the link the event set ("" when it
//   sets none), false for every other entry.
// Run with java -ea; status 0 when the bar passed, else the faults on
// stderr.
//
// usage: java -ea -cp RECORDING:STUB:CLASSES MenuBarRun CLASS FACTS.pl
import com.quenora.QNMenuBar;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.Set;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

public final class MenuBarRun {
  private MenuBarRun() {}

  // One menu_i/6 fact.
  static final class Entry {
    String id, parent, type, name, caption;
    String props;
  }

  // The quoted or bare atoms and numbers of a fact's text, in order; a
  // list's text is kept whole as one element.
  static List<String> args(String text) {
    List<String> out = new ArrayList<>();
    int i = 0;
    while (i < text.length()) {
      char c = text.charAt(i);
      if (c == ' ' || c == ',') {
        i++;
      } else if (c == '\'') {
        StringBuilder s = new StringBuilder();
        i++;
        while (i < text.length()) {
          char d = text.charAt(i);
          if (d == '\'' && i + 1 < text.length() && text.charAt(i + 1) == '\'') {
            s.append('\'');
            i += 2;
          } else if (d == '\'') {
            i++;
            break;
          } else if (d == '\\') {
            char e = text.charAt(i + 1);
            if (e == 'x') {
              int end = text.indexOf('\\', i + 2);
              s.append((char) Integer.parseInt(text.substring(i + 2, end), 16));
              i = end + 1;
            } else {
              s.append(e == 'n' ? '\n' : e == 't' ? '\t' : e);
              i += 2;
            }
          } else {
            s.append(d);
            i++;
          }
        }
        out.add(s.toString());
      } else if (c == '[') {
        int depth = 0, start = i;
        for (; i < text.length(); i++) {
          if (text.charAt(i) == '[') depth++;
          if (text.charAt(i) == ']' && --depth == 0) break;
        }
        out.add(text.substring(start, ++i));
      } else {
        int start = i;
        while (i < text.length() && text.charAt(i) != ',') i++;
        out.add(text.substring(start, i).trim());
      }
    }
    return out;
  }

  static boolean has(Entry e, String prop) {
    return Pattern.compile("[\\[,]\\s*" + prop + "\\s*[,\\]]").matcher(e.props).find();
  }

  static String tooltip(Entry e) {
    Matcher m = Pattern.compile("tooltip\\((.*?)\\)").matcher(e.props);
    return m.find() ? args(m.group(1)).get(0) : "";
  }

  static String lower(String s) { return s.toLowerCase(Locale.ROOT); }

  // The outline the facts give, in the recording QNMenuBar's form.
  static String expectedOutline(List<Entry> entries) {
    Map<String, Entry> byId = new HashMap<>();
    List<Entry> kept = new ArrayList<>();
    for (Entry e : entries) {
      if (byId.containsKey(e.id) || !e.id.matches("[0-9]+")) continue;
      if (!e.type.equals("m") && !e.type.equals("t")) continue;
      byId.put(e.id, e);
      if (!e.parent.equals("0")) kept.add(e);
    }
    Map<String, List<Entry>> kids = new LinkedHashMap<>();
    for (Entry e : kept) {
      if (e.type.equals("m")) kids.computeIfAbsent(e.parent, k -> new ArrayList<>()).add(e);
    }
    StringBuilder out = new StringBuilder();
    Set<Entry> done = new HashSet<>();
    for (Entry e : kept) {
      if (e.type.equals("t")) {
        out.append("T(").append(lower(e.name)).append('|').append(tooltip(e)).append('|')
            .append(!has(e, "disabled")).append('|').append(has(e, "separator")).append(");");
      } else if (e.parent.equals("1")) {
        out.append(render(e, kids, done)).append(';');
      }
    }
    return out.toString();
  }

  static String render(Entry e, Map<String, List<Entry>> kids, Set<Entry> done) {
    done.add(e);
    List<Entry> mine = kids.get(e.id);
    if (!e.parent.equals("1") && !has(e, "popup") && mine == null) {
      return "I(" + lower(e.name) + "|" + e.caption + "|" + has(e, "checked") + "|" + !has(e, "disabled")
          + "|" + has(e, "separator") + ")";
    }
    StringBuilder out = new StringBuilder("M(" + lower(e.name) + "|" + e.caption + "|" + !has(e, "disabled") + ")[");
    if (mine != null) {
      for (Entry k : mine) {
        if (!done.contains(k)) out.append(render(k, kids, done)).append(',');
      }
    }
    return out.append(']').toString();
  }

  public static void main(String[] argv) throws Exception {
    boolean assertions = false;
    assert assertions = true;
    if (!assertions) throw new IllegalStateException("run MenuBarRun with java -ea");
    if (argv.length != 2) {
      System.err.println("usage: MenuBarRun CLASS FACTS.pl");
      System.exit(2);
    }
    List<Entry> entries = new ArrayList<>();
    // Item (lower-cased) -> the link its event sets ("" for none).
    Map<String, String> events = new LinkedHashMap<>();
    Pattern menu = Pattern.compile("^menu_i\\((.*)\\)\\.\\s*$");
    Pattern line = Pattern.compile("^b_line_i\\((\\d+),.*\\)\\.\\s*$");
    Pattern header = Pattern.compile("t\\(\\[t\\('Menubar', \\d+\\), t\\('([^']*)', \\d+\\)\\], 29\\)");
    Pattern link = Pattern.compile("t\\('([^']*)', 28\\)");
    Map<Integer, String> lines = new java.util.TreeMap<>();
    for (String l : Files.readAllLines(Paths.get(argv[1]), StandardCharsets.ISO_8859_1)) {
      Matcher m = menu.matcher(l);
      if (m.matches()) {
        List<String> a = args(m.group(1));
        Entry e = new Entry();
        e.id = a.get(0);
        e.parent = a.get(1);
        e.type = a.get(2);
        e.name = a.get(3);
        e.caption = a.get(4);
        e.props = a.get(5);
        entries.add(e);
      }
      Matcher b = line.matcher(l);
      if (b.matches()) lines.put(Integer.parseInt(b.group(1)), l);
    }
    String current = null;
    for (String l : lines.values()) {
      Matcher h = header.matcher(l);
      if (l.contains(", 146)") && h.find()) {
        current = lower(h.group(1));
        events.put(current, "");
      } else if (l.contains(", 147)")) {
        current = null;
      } else if (current != null) {
        Matcher k = link.matcher(l);
        if (k.find()) events.put(current, k.group(1));
      }
    }

    List<String> faults = new ArrayList<>();
    QNMenuBar bar = (QNMenuBar) Class.forName(argv[0]).getConstructor(Object.class).newInstance((Object) null);
    faults.addAll(bar.build());
    String want = expectedOutline(entries);
    String got = bar.outline();
    if (!want.equals(got)) faults.add("tree\n  built: " + got + "\n  facts: " + want);

    Set<String> names = new HashSet<>();
    for (Entry e : entries) names.add(lower(e.name));
    names.addAll(events.keySet());
    for (String name : names) {
      bar.wjLoc = "";
      boolean answered = bar.menuActionPerformed(name);
      boolean event = events.containsKey(name);
      if (answered != event) {
        faults.add(name + ": menuActionPerformed answered " + answered);
      } else if (event && !bar.getLocation().equals(events.get(name))) {
        faults.add(name + ": getLocation() is \"" + bar.getLocation() + "\", the event links to \""
            + events.get(name) + "\"");
      }
    }
    assert !events.isEmpty() || !want.isEmpty() : "the facts hold neither menus nor events";
    for (String f : faults) System.err.println("MenuBarRun " + argv[0] + ": " + f);
    System.exit(faults.isEmpty() ? 0 : 1);
  }
}
