// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// The application's shared services.
public class Application {
  public static String getSchema(ModelContext context, int remoteHandle, String dataSource) {
    return "";
  }
  public static void QNLocalException(ModelContext context, int remoteHandle, String where,
                                      java.sql.SQLException e) {}
}
