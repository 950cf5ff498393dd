package com.quenora.qnoffice;

import java.util.Date;

/**
 * Excel workbooks for generated programs. Each method calls one member of
 * the process-wide QnExcel object of libQnOffice and returns its code (0 for
 * success); an output is written into element 0 of its array.
 */
public class QnExcel {
  static {
    System.loadLibrary("QnOffice");
  }

  public QnExcel() {}

  public native short Open(String name, short[] handle);

  public native short Show(short handle);

  public native short Close(short handle);

  public native short Save(short handle);

  public native short Hide(short handle);

  public native short Clear(short handle);

  public native short GetLong(short handle, int row, int col, long[] value);

  public native short GetDouble(short handle, int row, int col, double[] value);

  public native short GetDate(short handle, int row, int col, Date[] value);

  public native short GetString(short handle, int row, int col, String[] value);

  public native short PutLong(short handle, int row, int col, long value);

  public native short PutDouble(short handle, int row, int col, double value);

  public native short PutDate(short handle, int row, int col, Date value);

  public native short PutString(short handle, int row, int col, String value);

  public native short Type(short handle, int row, int col, String[] type);

  public native short getError();

  public native void setDisplayMessages(short on);

  public native void setDefaultPath(String path);

  public native short PrintOut(short handle, short preview);

  public native void setTemplate(String template);

  public native void setReadOnly(short on);

  public native short SelectSheet(short handle, String sheet);

  public native short RenameSheet(short handle, String name);

  public native short GetFormat(
      short handle, int row, int col, int[] color, String[] font, int[] size);

  public native short PutFormat(
      short handle, int row, int col, int height, int width, int color, String font, double size);

  public native void setAutoFit(short on);

  /** Releases the shared object; the next call works on a new one. */
  public native void cleanup();
}
