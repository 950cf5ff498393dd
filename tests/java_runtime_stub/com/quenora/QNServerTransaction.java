// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.distributed.*;

// The server class of a split transaction: the hidden fields, the data it
// reads from its client and sends back, and the buttons its client's round
// trip runs.
public class QNServerTransaction {
  public ModelContext context;
  public int remoteHandle;
  public String QN_FocusControl = "";
  public String msgStatus = "";
  public String errorMsg = "";
  public String msgMsg = "";
  public String Qn_mode = "";
  public int AnyError;
  public boolean loopOnce;
  public String CGI_Referer = "";
  public boolean cleanedUp;
  public Object nextFocus;
  public boolean focusNextAsked;

  protected QNServerTransaction() {}
  public QNServerTransaction(int remoteHandle, ModelContext context) {
    this.remoteHandle = remoteHandle;
    this.context = context;
  }
  public QNServerTransaction(int remoteHandle, ModelContext context, String location) {
    this(remoteHandle, context);
  }

  public Object me() { return this; }
  public void msgStatus(String text) { msgStatus = text; }
  public void setNextFocus(Object cell) { nextFocus = cell; }
  public void setFocusNext() { focusNextAsked = true; }

  protected void btn_enter() {}
  protected void btn_delete() {}
  protected void btn_select() {}
  protected void btn_first() {}
  protected void btn_next() {}
  protected void btn_previous() {}
  protected void btn_last() {}
  protected void btn_get() {}

  protected void sendData(QNParameterPacker qnp) {}
  protected void getData(QNParameterUnpacker qnu) {}
  protected void getKey(QNParameterUnpacker qnu) {}

  protected void QNStart() {}
  public void initialize() {}
  protected void cleanup() { cleanedUp = true; }
}
