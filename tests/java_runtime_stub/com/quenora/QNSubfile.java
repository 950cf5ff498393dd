// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.uifactory.*;
import java.util.ArrayList;
import java.util.List;

// A subfile on a form: its lines (a list of elements), the current one,
// its columns and the producers that load it.
public class QNSubfile implements IFocusableControl {
  private final List<QNSubfileElement> lines = new ArrayList<>();
  private final QNColumnDefinition[] columns;
  private final QNLoadProducer producer;
  private int current = -1;

  public QNSubfile(QNLoadProducer load, QNSubfileFlow flow, boolean loadAll,
                   QNColumnDefinition[] columns, int visibleRows, int titleHeight, QNPanel panel,
                   int x, int y, int w, int h, int rowHeight) {
    this.columns = columns;
    this.producer = load;
  }

  public GUIObject getColumn(int position) { return columns[position].getControl(); }
  public boolean inValidElement() { return current >= 0 && current < lines.size(); }
  public QNSubfileElement getCurrentElement() { return inValidElement() ? lines.get(current) : null; }
  public void refreshLineValue(QNSubfileElement element) {
    if (inValidElement()) lines.set(current, element);
  }
  // A load runs the producer's load.
  public void load() {
    try {
      if (producer != null) producer.runLoad();
    } catch (QNLoadInterruptException e) {
      // an interrupted load keeps the lines read so far
    }
  }
  public void refreshKeep() {}
  // A load: its start and end, a line taken from the variables, the load
  // command of the Load event.
  public void startLoad() { lines.clear(); }
  public void endLoad() {}
  public void addElement(QNSubfileElement element) { lines.add(element); }
  public void loadCommand() {}
  // The lines, all or the selected ones, and one by its index.
  public java.util.Enumeration elements() { return java.util.Collections.enumeration(lines); }
  public java.util.Enumeration selectedElements() { return java.util.Collections.enumeration(lines); }
  public QNSubfileElement getElementAt(int index) { return lines.get(index); }
  public boolean isEventSource(Object source) { return source == this; }
  public void addActionListener(Object listener) {}
  public void addFocusListener(Object listener) {}
  public void addItemListener(Object listener) {}
}
