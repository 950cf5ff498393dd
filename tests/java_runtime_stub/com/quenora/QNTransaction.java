// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

import com.quenora.distributed.*;
import com.quenora.uifactory.*;

// A transaction's form: a work panel with the transaction's hidden fields,
// the standard buttons' methods (a generated single-tier class replaces
// them; a split client keeps them, and each runs the round trip to its
// server: its data and key sent, the server's button run, its data read
// back), and the focus a routine asks for.
public class QNTransaction extends QNWorkpanel {
  // The hidden variables every transaction has.
  public String QN_FocusControl = "";
  public String msgStatus = "";
  public String errorMsg = "";
  public String msgMsg = "";
  public String Qn_mode = "";
  public int AnyError;
  public boolean loopOnce;
  // The request's referrer (a transaction reached from a page).
  public String CGI_Referer = "";
  // Set once cleanup() has run: the form is gone.
  public boolean cleanedUp;
  // What the last focus request named, and whether the next control was asked.
  public Object nextFocus;
  public boolean focusNextAsked;
  // The button the last round trip ran on the server.
  public String lastRemoteButton = "";

  protected QNTransaction() {}
  public QNTransaction(int remoteHandle, ModelContext context) { super(remoteHandle, context); }
  public QNTransaction(int remoteHandle, ModelContext context, String location) {
    super(remoteHandle, context);
  }

  public Object me() { return this; }
  public void msgStatus(String text) { msgStatus = text; }
  public void setNextFocus(Object cell) { nextFocus = cell; }
  public void setFocusNext() { focusNextAsked = true; }

  // The standard buttons.
  protected void btn_enter() { roundTrip("Enter"); }
  protected void btn_delete() { roundTrip("Delete"); }
  protected void btn_select() { roundTrip("Select"); }
  protected void btn_first() { roundTrip("First"); }
  protected void btn_next() { roundTrip("Next"); }
  protected void btn_previous() { roundTrip("Previous"); }
  protected void btn_last() { roundTrip("Last"); }
  protected void btn_get() { roundTrip("Get"); }

  // The Enter button's caption and the confirm and cancel buttons.
  protected void resetCaption() {}
  protected void setAddCaption() {}
  public IQNButton getConfirmButton() { return null; }
  protected void keyPromptHandler(Object eventSource) {}
  protected void QNStart() {}

  // The split: what a client sends and reads back, and its server.
  protected IRemoteProcedureWrapper getRemote() { return null; }
  protected void sendData(QNParameterPacker qnp) {}
  protected void getData(QNParameterUnpacker qnu) {}
  protected void sendKey(QNParameterPacker qnp) {}
  // The end of the client's getData: every value read, none left over.
  protected void endGetData(Object caller) {}
  protected void serverCleanup() {}

  private void roundTrip(String button) {
    lastRemoteButton = button;
    QNParameterPacker qnp = new QNParameterPacker();
    sendData(qnp);
    sendKey(qnp);
  }

  protected void cleanup() { cleanedUp = true; }
}
