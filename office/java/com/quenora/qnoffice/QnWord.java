package com.quenora.qnoffice;

/**
 * Word documents for generated programs. Each method calls one member of
 * the process-wide QnWord object of libQnOffice and returns its code (0 for
 * success); an output is written into element 0 of its array.
 */
public class QnWord {
  static {
    System.loadLibrary("QnOffice");
  }

  public QnWord() {}

  public native short Open(String name, short[] handle);

  public native short Hide(short handle);

  public native short Show(short handle);

  public native short Close(short handle);

  public native short getError();

  public native void setDisplayMessages(short on);

  public native short PrintOut(short handle, short preview, short background);

  public native void setTemplate(String template);

  public native void setReadOnly(short on);

  public native short Put(short handle, String text, short append);

  public native short Get(short handle, String[] text);

  public native short SpellCheck(short handle);

  public native short Save(short handle);

  public native short Replace(
      short handle, String oldText, String newText, short matchCase, short matchWholeWord);

  public native short SaveAs(
      short handle, String name, String type, short dosText, short lineBreaks);

  /** Releases the shared object; the next call works on a new one. */
  public native void cleanup();
}
