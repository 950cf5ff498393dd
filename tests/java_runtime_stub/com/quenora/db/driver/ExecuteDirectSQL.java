// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import com.quenora.ModelContext;

// A statement run as it is, without a cursor; the fifth argument names the
// statuses it may end with and still go on.
public class ExecuteDirectSQL {
  public static void execute(ModelContext context, int remoteHandle, String dataStore, String sql) {}
  public static void execute(ModelContext context, int remoteHandle, String dataStore, String sql,
                             String tolerated) {}
}
