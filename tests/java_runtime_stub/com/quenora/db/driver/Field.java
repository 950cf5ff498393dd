// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.db.driver;

// The description of one column of a table.
public class Field {
  public Field(int index, String column, String type, int length, int decimals, boolean key,
               int attribute) {}
}
