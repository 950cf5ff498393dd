// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

// A control holder: the component it shows and the listeners it reports to.
public class GUIObject implements IFocusableControl {
  protected QNComponent component;
  private boolean enabled = true;

  public GUIObject() {}
  public GUIObject(QNComponent component) { this.component = component; }

  public QNComponent getQNComponent() { return component; }
  public boolean isEventSource(Object source) { return source == this; }
  public Object getQNCursor() { return null; }
  public void setEnabled(boolean enabled) { this.enabled = enabled; }
  // The colours a colour rule gives while its condition holds.
  public void setICondForeground(boolean condition, int color) {}
  public void setICondBackground(boolean condition, int color) {}
  // The colours of a subfile cell: set, the last ones set, and those a
  // colour rule of its line gives.
  public void setIForeground(int color) {}
  public void setIBackground(int color) {}
  public int getLastForeground() { return 0; }
  public int getLastBackground() { return 0; }
  public void setICondForeground(int color) {}
  public void setICondBackground(int color) {}
  public void addFocusListener(Object listener) {}
  public void addItemListener(Object listener) {}
  public void addActionListener(Object listener) {}
  // A subfile column sorts the subfile's lines by its values.
  public void sort() {}
  public void addMouseListener(Object listener) {}
}
