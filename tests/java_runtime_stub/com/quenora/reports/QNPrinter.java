// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.reports;

public class QNPrinter {
    public void QnEndPage() throws ProcessInterruptedException { }
    public void QnEndDocument() throws ProcessInterruptedException { }
    public void QnSetDocName(String name) { }
    public void QnSetDocFormat(String format) { }
    public void QnPrintMax() { }
    public void QnPrintOnTop() { }
    public void QnClearAttris() { }
    public void setPageLines(int lines) { }
    public void setLineHeight(int height) { }
    public int getPageLines() { return 0; }
    public int getLineHeight() { return 0; }
    public void QnAttris(String font, int size, boolean bold, boolean italic, boolean underline,
                         boolean strikethru, int v, int foreRed, int foreGreen, int foreBlue,
                         int opaque, int backRed, int backGreen, int backBlue) { }
    public void QnDrawText(Object text, int left, int top, int right, int bottom, int flags) { }
    public void QnDrawBitMap(Object image, int left, int top, int right, int bottom) { }
    public void QnDrawLine(int left, int top, int right, int bottom, int width, int red, int green,
                           int blue) { }
    public void QnDrawRect(int left, int top, int right, int bottom, int width, int red, int green,
                           int blue, int fill, int backRed, int backGreen, int backBlue) { }
    public void QnPrnCmd(String codes) { }
}
