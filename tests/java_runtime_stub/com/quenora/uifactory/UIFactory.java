// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class UIFactory {
  // A menu of a menu bar: caption, name, shortcut, key, enabled.
  public static IMenu getMenu(String caption, String name, String shortcut, int key,
                              boolean enabled) {
    return null;
  }
}
