// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import com.quenora.ModelContext;

// A statement run at once on a data store (LOCK TABLE, UNLOCK TABLE, ...).
public class ExecuteDirectSQL {
  public static void execute(ModelContext context, int remoteHandle, String dataStore, String sql) {}
}
