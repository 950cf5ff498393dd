// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import com.quenora.ModelContext;

// A read cursor of a program: rows fetched into its table's data object.
public class QNDBForwardSupplier extends QNDBSupplier {
  protected String cursorId;
  protected String supplierName;
  protected String SQL;
  protected int readBuffer;
  protected QNPreparedStatement stmt = new QNPreparedStatement();

  public QNDBForwardSupplier() {}
  public QNDBForwardSupplier(ModelContext context, int remoteHandle) {
    super(context, remoteHandle);
  }
  public void prepare() throws java.sql.SQLException {}
  public void execute() throws java.sql.SQLException {}
  // Generated programs advance their cursors outside any try block.
  public void readNext() {}
  public void close() {}
  public void setParameters() throws java.sql.SQLException {}
  public void getFieldsStream(QNResultSet rslt) throws java.sql.SQLException {}
}
