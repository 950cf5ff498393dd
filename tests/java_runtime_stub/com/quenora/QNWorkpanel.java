// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.uifactory.*;

// A work panel: the frame of its form, the members a panel class overrides
// and those it calls.
public class QNWorkpanel {
  public ModelContext context;
  public int remoteHandle;
  // Standard constants: Qnnewline char(4).
  public String QN_nl = "\r\n";
  // Mouse modifiers of mouseEventDispatch.
  public static final int MOUSE_LEFTCLICK = 1;
  public static final int MOUSE_DBLCLICK = 2;
  public static final int MOUSE_RIGHTCLICK = 3;

  // The order in which the form's controls take the focus.
  public static class FocusList {
    public IFocusableControl[] controls = new IFocusableControl[0];
    public void setControlList(IFocusableControl[] list) { controls = list; }
  }
  protected FocusList focusManager = new FocusList();

  protected QNWorkpanel() {}
  public QNWorkpanel(int remoteHandle, ModelContext context) {
    this.remoteHandle = remoteHandle;
    this.context = context;
  }

  // The frame.
  protected String getFrmTitle() { return ""; }
  protected QNMenuBar getMenuBar() { return null; }
  protected int getFrmTop() { return 0; }
  protected int getFrmLeft() { return 0; }
  protected int getFrmWidth() { return 0; }
  protected int getFrmHeight() { return 0; }
  protected int getFrmBackground() { return 0; }
  protected int getFrmForeground() { return 0; }
  protected boolean isMainProgram() { return false; }
  protected boolean isModal() { return false; }
  protected boolean hasDBAccess() { return false; }
  protected int getRefreshTimeout() { return 0; }
  public boolean getRefreshTimeoutAlways() { return true; }
  protected boolean getPaintAfterStart() { return true; }
  protected int getBorderStyle() { return 2; }
  protected boolean getMaxButton() { return true; }
  protected boolean getMinButton() { return true; }
  protected boolean getCtrlBox() { return true; }
  protected boolean getShowInTaskbar() { return true; }
  protected String getFormIcon() { return ""; }
  protected boolean hasStatusBar() { return false; }
  public void setIBackground(int color) {}
  public void setIForeground(int color) {}

  // The form, its values and its refresh.
  protected void start() {}
  protected void screen() {}
  protected void setFocusFirst() {}
  protected void standAlone() {}
  protected void QNRefresh() {}
  protected void VariablesToControls() {}
  protected void ControlsToVariables() {}
  protected void eventNoLevelContext() {}
  protected void eventLevelContext() {}
  protected void eventLevelResetContext() {}
  public void setNoAccept(Object eventSource) {}
  public void setConditionalColor(boolean all, Object control) {}
  public void refreshArray(String name) {}
  public IQNButton getCancelButton() { return null; }

  // The subfiles on the form.
  public void addSubfile(QNSubfile subfile) {}

  // Events.
  protected void actionEventDispatch(Object eventSource) {}
  protected void setCurrentQNCursor(Object eventSource) {}
  protected void gotFocusEventDispatch(Object eventSource) {}
  protected void focusEventDispatch(Object eventSource) {}
  protected void updateAttributes(Object eventSource) {}
  protected void itemEventDispatch(Object eventSource) {}
  public void mouseEventDispatch(Object eventSource, int modifier) {}
  public void keyEventDispatch(Object eventSource, int keyCode) {}
  // The Enter key (code 10) triggers the Enter event.
  protected boolean triggerEventEnter(Object eventSource, int keyCode) { return keyCode == 10; }
  public void setQNCursor(Object cursor) {}

  // setfocus( of a control; the first control's focus.
  public void setFocus(Object control) {}
  public void setFocus(Object control, boolean first) {}

  protected void stopThreads() {}
  protected void cleanup() {}
}
