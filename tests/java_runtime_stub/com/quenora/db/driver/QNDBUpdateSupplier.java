// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import com.quenora.distributed.QNParameterPacker;
import com.quenora.distributed.QNParameterUnpacker;
import com.quenora.ModelContext;

// An update, insert or delete statement of a program.
public class QNDBUpdateSupplier extends QNDBSupplier {
  protected String dataSourceName;
  protected String supplierName;
  protected String cursorId;
  protected String SQL;
  protected QNPreparedStatement stmt = new QNPreparedStatement();
  protected QNParameterUnpacker qnu = new QNParameterUnpacker();
  protected QNParameterPacker qnp = new QNParameterPacker();

  public QNDBUpdateSupplier(ModelContext context, int remoteHandle) {
    super(context, remoteHandle);
  }
  public void prepare() throws java.sql.SQLException {}
  public void execute() throws java.sql.SQLException {}
  public void setParameters() throws java.sql.SQLException {}
  public void setParameters(byte[] parms) {}
  public QNRemoteSupplier getRemoteSupplier() { return new QNRemoteSupplier(); }
}
