// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import com.quenora.ModelContext;

// An update, insert or delete statement of a program.
public class QNDBUpdateSupplier extends QNDBSupplier {
  public QNDBUpdateSupplier(ModelContext context, int remoteHandle) {
    super(context, remoteHandle);
  }
}
