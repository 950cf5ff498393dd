// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.uifactory;

public class IQNButton extends QNControl implements IFocusableControl {
  private String caption = "", tooltip = "", bitmap = "";
  public void setTooltip(String text) { tooltip = text; }
  public String getTooltip() { return tooltip; }
  public void setCaption(String text) { caption = text; }
  public String getCaption() { return caption; }
  public void setBitmap(String image) { bitmap = image; }
  public String getBitmap() { return bitmap; }
  public void addActionListener(Object listener) {}
  public boolean isEventSource(Object source) { return source == this; }
}
