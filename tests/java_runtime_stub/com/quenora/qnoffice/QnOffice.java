// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.qnoffice;

import com.quenora.QNInt;

// The office module: every call ends with its status.
public class QnOffice {
  public static QnOffice getQNOffice() { return new QnOffice(); }
  public void qnxopen(String file, QNInt status) {}
  public void qnxclose(int handle, QNInt status) {}
}
