// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.office;

import com.quenora.QNInt;

// Workbooks without the office module.
public class QNOffice {
  public static void xlsOpen(String file, QNInt handle) {}
  public static void xlsClose(int handle) {}
}
