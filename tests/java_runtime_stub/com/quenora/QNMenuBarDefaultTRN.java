// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// The menu bar a transaction's form shows when it names none: the standard
// buttons as menu items.
public class QNMenuBarDefaultTRN extends QNMenuBar {
  public QNMenuBarDefaultTRN(Object form) {}
}
