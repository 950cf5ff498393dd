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

    protected boolean initPrinter(Object... settings) { return true; }
    protected boolean initTextPrinter(Object... settings) { return true; }
    protected QNPrinter getPrinter() { return new QNPrinter(); }
    protected void testPage(int height, boolean lastPage) throws ProcessInterruptedException { }
    protected void endPrinter() { }
}
