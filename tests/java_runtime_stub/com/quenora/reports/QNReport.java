// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.reports;

import com.quenora.ModelContext;
import com.quenora.QNProcedure;

public class QNReport extends QNProcedure {
    protected QNReport() {}
    public QNReport(int remoteHandle, ModelContext context, String location) {}

    // The printer's variables, held by the report class.
    protected String Qn_out = "";
    protected String Qn_dev = "";
    protected int Qn_line;
    protected int Qn_page;
    protected int Qn_PrnObject;
    // The report's position and page: Line counts pixels from the page's top.
    protected int Line;
    protected int lineHeight;
    protected int P_lines;
    protected int ToSkip;
    protected int PrtOffset;
    protected int qnXPage;
    protected int qnYPage;
    // The printer of the report that called this one.
    protected QNPrinter reportHandler;

    // Output, pixels per inch, settings file, printer, then the twelve paper values.
    protected boolean initPrinter(String out, int xPage, int yPage, String settings, String printer,
                                  String paper, int dialog, int orientation, int size, int length,
                                  int width, int v7, int v8, int v9, int v10, int v11, int v12) {
        return true;
    }
    // Output, pixels per inch, settings file, printer, two paper values, two
    // more, the cell width and height and the page length.
    protected boolean initTextPrinter(String out, int xPage, int yPage, String settings,
                                      String printer, String paper, int dialog, int length,
                                      int width, int cellWidth, int cellHeight, int pageLength) {
        return true;
    }
    protected void setPrinter(QNPrinter printer) { }
    protected QNPrinter getPrinter() { return new QNPrinter(); }
    protected void testPage(int height, boolean lastPage) throws ProcessInterruptedException { }
    protected void endPrinter() { }
    protected String format(Object value, String picture) { return String.valueOf(value); }
}
