// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import java.sql.SQLException;

// A result set: columns read by number.
public class QNResultSet {
  public byte getByte(int i) throws SQLException { return 0; }
  public short getShort(int i) throws SQLException { return 0; }
  public int getInt(int i) throws SQLException { return 0; }
  public long getLong(int i) throws SQLException { return 0; }
  public double getDouble(int i) throws SQLException { return 0; }
  public java.math.BigDecimal getBigDecimal(int i, int scale) throws SQLException { return null; }
  public String getString(int i) throws SQLException { return ""; }
  public String getString(int i, int length) throws SQLException { return ""; }
  public String getLongVarchar(int i) throws SQLException { return ""; }
  public java.sql.Timestamp getTimestamp(int i) throws SQLException { return null; }
  public java.util.Date getQNDate(int i) throws SQLException { return null; }
  public java.util.Date getQNDateTime(int i) throws SQLException { return null; }
}
