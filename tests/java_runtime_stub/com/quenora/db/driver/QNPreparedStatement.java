// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

import java.sql.SQLException;

// A prepared statement: parameters set by number.
public class QNPreparedStatement {
  public void setByte(int i, byte v) throws SQLException {}
  public void setShort(int i, short v) throws SQLException {}
  public void setInt(int i, int v) throws SQLException {}
  public void setLong(int i, long v) throws SQLException {}
  public void setDouble(int i, double v) throws SQLException {}
  public void setBigDecimal(int i, java.math.BigDecimal v) throws SQLException {}
  public void setString(int i, String v) throws SQLException {}
  public void setString(int i, String v, int length) throws SQLException {}
  public void setVarchar(int i, String v) throws SQLException {}
  public void setLongVarchar(int i, String v) throws SQLException {}
  public void setTimestamp(int i, java.sql.Timestamp v) throws SQLException {}
  public void setDate(int i, java.util.Date v) throws SQLException {}
  public void setDateTime(int i, java.util.Date v, boolean dateOnly) throws SQLException {}
}
