package com.quenora.qnoffice;

import java.util.Date;

/**
 * Mail for generated programs. Each method calls one member of the
 * process-wide QnMail object of libQnOffice and returns its code (0 for
 * success); an output is written into element 0 of its array.
 */
public class QnMail {
  static {
    System.loadLibrary("QnOffice");
  }

  public QnMail() {}

  public native short LoginMAPI(String profile, short newMessages, short markAsRead);

  public native short Logout();

  public native short Send(
      String to, String cc, String bcc, String subject, String text, String attachments);

  public native void setEditWindow(short on);

  public native short getError();

  public native void setDisplayMessages(short on);

  public native short Receive(
      String[] from,
      String[] to,
      String[] cc,
      String[] subject,
      String[] text,
      String[] attachments,
      Date[] dateSent,
      Date[] dateReceived);

  public native void setAttachDir(String directory);

  public native void setAddressFormat(short format);

  public native void setMode(String mode);

  public native short LoginSMTP(
      String server,
      String fromName,
      String fromAddress,
      String userName,
      String password,
      short timeout);

  public native short LoginPOP3(
      String server,
      String userName,
      String password,
      short newMessages,
      short delete,
      short timeout);

  public native short ChangeFolder(String folder, short skipRead, short markAsRead);

  public native int getCount();

  /** Releases the shared object; the next call works on a new one. */
  public native void cleanup();
}
