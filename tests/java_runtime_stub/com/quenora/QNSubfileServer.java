// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.distributed.*;
import java.util.ArrayList;
import java.util.List;

// The server's copy of a transaction's subfile: its lines, made by the
// subfile's flow, exchanged with the client's subfile.
public class QNSubfileServer {
  private final QNSubfileFlow flow;
  private final List<QNSubfileElement> lines = new ArrayList<>();

  public QNSubfileServer(QNSubfileFlow flow) { this.flow = flow; }

  public QNSubfileFlow getFlow() { return flow; }
  public int getCount() { return lines.size(); }
  public void add(QNSubfileElement line) { lines.add(line); }
  public QNSubfileElement getLine(int index) { return lines.get(index); }
  public void clear() { lines.clear(); }
  public void readData(QNParameterUnpacker qnu) {
    lines.clear();
    int n = qnu.readInt();
    for (int i = 0; i < n; i++) lines.add(null);
  }
  public void writeData(QNParameterPacker qnp) { qnp.writeInt(lines.size()); }
}
