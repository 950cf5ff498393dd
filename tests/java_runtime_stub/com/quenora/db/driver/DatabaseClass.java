// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import com.quenora.distributed.QNParameterPacker;
import com.quenora.distributed.QNParameterUnpacker;
import com.quenora.ModelContext;

// One row of a table: the generated data classes extend it.
public class DatabaseClass {
  protected ModelContext context;
  protected int remoteHandle;
  protected boolean readOnly;
  protected java.util.BitSet LoadedFields;
  protected QNDBSupplier localSupplier;
  protected QNParameterUnpacker paramUnpacker = new QNParameterUnpacker();

  public DatabaseClass() {}
  public DatabaseClass(ModelContext context, int remoteHandle, boolean readOnly) {
    this.context = context;
    this.remoteHandle = remoteHandle;
    this.readOnly = readOnly;
  }
  public boolean getReadOnly() { return readOnly; }
  public void clear() {}
  public void unloadAll() {}
  // The computed columns of a read, by position.
  public void setFormula(int column, double value) {}
  public double getNumericFormula(int column) { return 0; }
  public Field[] getFieldList() { return null; }
  public int getBaseTableId() { return 0; }
  public String getConnection() { return ""; }
  public String getBaseTable() { return ""; }
  public String getSupplierName() { return ""; }
  public QNDBSupplier getLocalSupplier() { return localSupplier; }
  public void loadFromByteArray(byte[] parms) {}
  public void writeParameter(QNParameterPacker packer, int pos) {}
}
