// The menu bar of the runtime as MenuBarRun needs it: the members of the
// runtime stand-in's QNMenuBar (tests/java_runtime_stub), which a generated
// bar is compiled against, recording what initMenuBar builds. Put before
// the stand-in on the class path of a run. Test support only.
package com.quenora;

import com.quenora.uifactory.IMenu;
import com.quenora.uifactory.UIFactory;
import java.util.ArrayList;
import java.util.IdentityHashMap;
import java.util.List;
import java.util.Map;

public class QNMenuBar {
  public ModelContext context;
  public int remoteHandle;
  // The link an event set, which the web page follows after the dispatch.
  public String wjLoc = "";

  protected QNMenuBar() {}
  public QNMenuBar(QNWorkpanel listener) {}
  public QNMenuBar(Object wp) {}

  protected void initMenuBar() {}
  public boolean menuActionPerformed(String action) { return false; }
  public void initialize() {}
  public String getLocation() { return wjLoc; }

  // What initMenuBar built: the top menus and the toolbar buttons in
  // order, each menu with its entries. A menu is
  // "M(name|caption|enabled)[entry,...]", an item
  // "I(name|caption|checked|enabled|separator)", a button
  // "T(name|tooltip|enabled|separator)".
  private final List<Object> top = new ArrayList<>();
  private final Map<IMenu, List<Object>> menus = new IdentityHashMap<>();
  private final List<String> faults = new ArrayList<>();

  // initMenuBar and initialize, as the runtime runs them when it makes the
  // bar; the answer is the faults met (an entry of a menu that was never
  // added, a menu added twice).
  public final List<String> build() {
    initMenuBar();
    initialize();
    return faults;
  }

  public final String outline() {
    StringBuilder out = new StringBuilder();
    for (Object o : top) out.append(render(o)).append(';');
    return out.toString();
  }

  private String render(Object o) {
    if (!(o instanceof IMenu)) return (String) o;
    StringBuilder out = new StringBuilder(head((IMenu) o)).append('[');
    for (Object e : menus.get(o)) out.append(render(e)).append(',');
    return out.append(']').toString();
  }

  private static String head(IMenu menu) {
    if (!(menu instanceof UIFactory.Menu)) return "M(?)";
    UIFactory.Menu m = (UIFactory.Menu) menu;
    return "M(" + m.name + "|" + m.caption + "|" + m.enabled + ")";
  }

  private boolean fresh(IMenu menu) {
    if (menu == null || menus.containsKey(menu)) {
      faults.add("a menu added twice, or none: " + (menu == null ? "null" : head(menu)));
      return false;
    }
    menus.put(menu, new ArrayList<>());
    return true;
  }

  protected void add(IMenu menu) {
    if (fresh(menu)) top.add(menu);
  }

  protected void add(IMenu parent, IMenu menu) {
    if (!menus.containsKey(parent)) {
      faults.add("the menu " + head(menu) + " is added to a menu not added before");
    } else if (fresh(menu)) {
      menus.get(parent).add(menu);
    }
  }

  protected void addMenuItem(IMenu menu, String caption, String name, String shortcut, int key,
                             boolean checked, boolean enabled, boolean separator) {
    if (!menus.containsKey(menu)) {
      faults.add("the item " + name + " is added to a menu not added before");
      return;
    }
    menus.get(menu).add("I(" + name + "|" + caption + "|" + checked + "|" + enabled + "|" + separator + ")");
  }

  protected void addToolBarButton(String bitmap, String name, String tooltip, boolean enabled,
                                  boolean separator) {
    top.add("T(" + name + "|" + tooltip + "|" + enabled + "|" + separator + ")");
  }
}
