// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.reports;

public class QNPrinter {
    public void QnEndPage() throws ProcessInterruptedException { }
    public void QnEndDocument() throws ProcessInterruptedException { }
    public void QnSetDocName(String name) { }
    public void QnClearAttris() { }
}
