// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A cell of a subfile: its line (from 0) and column position, where a
// focus request on a subfile column goes.
public class QNSubfileCell {
  public final Object subfile;
  public final int line;
  public final int position;

  public QNSubfileCell(Object subfile, int line, int position) {
    this.subfile = subfile;
    this.line = line;
    this.position = position;
  }
}
