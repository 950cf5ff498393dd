// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import com.quenora.distributed.QNParameterPacker;
import com.quenora.distributed.QNParameterUnpacker;
import java.sql.SQLException;

// A stored-procedure call of a program.
public class QNJDBCProcedure implements com.quenora.distributed.IRemoteProcedureWrapper {
  protected boolean isCall;
  protected boolean readOnly;
  protected String dataSourceName;
  protected String cursorId;
  protected String sqlSentence;
  protected int remoteHandle;
  protected QNCallableStatement cstmt = new QNCallableStatement();
  protected QNParameterPacker qnp = new QNParameterPacker();
  protected QNParameterUnpacker qnu = new QNParameterUnpacker();

  public QNJDBCProcedure(int remoteHandle) { this.remoteHandle = remoteHandle; }
  protected void registerOutParameters() throws SQLException {}
  protected void setParameters() throws SQLException {}
  protected void getParameters() throws SQLException {}
  public byte[] execute(byte[] parms) { return new byte[0]; }
}
