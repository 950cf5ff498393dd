// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.uifactory.IMenu;

public class QNMenuBar {
  public ModelContext context;
  public int remoteHandle;
  // The link an event set, which the web page follows after the dispatch.
  public String wjLoc = "";

  protected QNMenuBar() {}
  // The bar of a work panel or transaction, and of a web panel.
  public QNMenuBar(QNWorkpanel listener) {}
  public QNMenuBar(Object wp) {}

  protected void initMenuBar() {}
  public boolean menuActionPerformed(String action) { return false; }
  public void initialize() {}
  public String getLocation() { return wjLoc; }

  // A top menu; a menu inside another.
  protected void add(IMenu menu) {}
  protected void add(IMenu parent, IMenu menu) {}
  protected void addMenuItem(IMenu menu, String caption, String name, String shortcut, int key,
                             boolean checked, boolean enabled, boolean separator) {}
  protected void addToolBarButton(String bitmap, String name, String tooltip, boolean enabled,
                                  boolean separator) {}
}
