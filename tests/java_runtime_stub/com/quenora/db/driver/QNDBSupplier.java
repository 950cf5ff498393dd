// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import com.quenora.ModelContext;
import java.sql.SQLException;

// SQL access of one table: the generated supplier classes extend it.
public class QNDBSupplier {
  protected ModelContext context;
  protected int remoteHandle;
  protected boolean readOnly;

  public QNDBSupplier() {}
  public QNDBSupplier(ModelContext context, int remoteHandle) {
    this.context = context;
    this.remoteHandle = remoteHandle;
  }
  public QNDBSupplier(ModelContext context, int remoteHandle, boolean readOnly) {
    this(context, remoteHandle);
    this.readOnly = readOnly;
  }
  public void setDBO(DatabaseClass dbo) {}
  public DatabaseClass getDBO() { return null; }
  public void newDBO() {}
  public void setFirstPK(QNPreparedStatement stmt, boolean upd) throws SQLException {}
  public void setPK(QNPreparedStatement stmt, boolean upd) throws SQLException {}
  public void setFields(QNPreparedStatement stmt, boolean upd) throws SQLException {}
  public void getFields(QNResultSet rslt) throws SQLException {}
  public void bindParameters(QNPreparedStatement stmt, int column, int field) throws SQLException {}
  public void bindColumns(QNResultSet rslt, int field, int column) throws SQLException {}
  public Object getResultColumn(int field) { return null; }
  public String SQLDelete() { return ""; }
  // The cursor's state after its last fetch or statement.
  public boolean eof() { return true; }
  public boolean locked() { return false; }
  public boolean duplicated() { return false; }
  // The status number of the last statement (0 when it went through).
  public int getStatus() { return 0; }
}
