// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.internet;

import com.quenora.QNInt;
import com.quenora.QNString;

// The FTP system programs: texts in, the status and the last error out.
public class QNFTP {
  public static void connect(String host, String user, String password) {}
  public static void get(String remote, String local, String mode) {}
  public static void put(String local, String remote, String mode) {}
  public static void disconnect() {}
  public static void status(QNString status) {}
  public static void lastError(QNInt error) {}
}
