// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.distributed.*;
import com.quenora.uifactory.*;

// The subfile of a transaction's form: a subfile whose lines the client
// sends to its server and reads back.
public class QNSubfileTRN extends QNSubfile {
  public int Count;

  public QNSubfileTRN(QNLoadProducer load, QNSubfileFlow flow, boolean loadAll,
                      QNColumnDefinition[] columns, int visibleRows, int titleHeight, QNPanel panel,
                      int x, int y, int w, int h, int rowHeight) {
    super(load, flow, loadAll, columns, visibleRows, titleHeight, panel, x, y, w, h, rowHeight);
  }

  // A transaction's subfile: the transaction loads it, no load producer.
  public QNSubfileTRN(QNSubfileFlow flow, QNColumnDefinition[] columns, int visibleRows,
                      int titleHeight, QNPanel panel, int x, int y, int w, int h, int rowHeight) {
    super(null, flow, false, columns, visibleRows, titleHeight, panel, x, y, w, h, rowHeight);
  }

  public void readData(QNParameterUnpacker qnu) { Count = qnu.readInt(); }
  public void writeData(QNParameterPacker qnp) { qnp.writeInt(Count); }
}
