// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.distributed.*;
import com.quenora.uifactory.*;

// A line of a subfile. The members a generated element class writes are
// abstract here, so a wrong signature fails javac.
public abstract class QNSubfileElement {
  private String mode = "";

  public abstract void clear();
  public abstract int compareTo(QNSubfileElement element, int column);
  public abstract boolean isEmpty();
  public abstract void setColumn(QNComponent cell, int field);
  public abstract void setField(int i, QNComponent value);
  // Transactions' lines know whether a field changed since it was read.
  public int isChanged() { return 0; }
  // A transaction's line marked deleted (1) and a line read from the table
  // (1), kept by the runtime's subfile.
  private int deleted;
  private int loaded;
  public int isDeleted() { return deleted; }
  public int isLoaded() { return loaded; }
  public void setDeleted(int deleted) { this.deleted = deleted; }
  public void setLoaded(int loaded) { this.loaded = loaded; }
  // The mode of a transaction's line.
  public String getMode() { return mode; }
  public void setMode(String mode) { this.mode = mode; }
  // The transfer of a line between client and server.
  protected void getData(QNParameterUnpacker qnu) {}
  protected void sendData(QNParameterPacker qnp) {}
}
