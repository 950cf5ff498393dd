// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import com.quenora.ModelContext;
import com.quenora.distributed.QNParameterPacker;
import com.quenora.distributed.QNParameterUnpacker;

// A read cursor of a program: rows fetched into its table's data object.
public class QNDBForwardSupplier extends QNDBSupplier {
  protected String cursorId;
  protected String supplierName;
  protected String SQL;
  protected int readBuffer;
  protected QNPreparedStatement stmt = new QNPreparedStatement();
  // Remote fetches: the packed parameters and row, the end of the rows.
  protected QNParameterPacker qnp = new QNParameterPacker();
  protected QNParameterUnpacker qnu = new QNParameterUnpacker();
  protected byte[] bytes;
  protected boolean eof;

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
  public QNRemoteSupplier getRemoteSupplier() { return new QNRemoteSupplier(); }
  public void getFieldsStream(QNResultSet rslt) throws java.sql.SQLException {}
}
