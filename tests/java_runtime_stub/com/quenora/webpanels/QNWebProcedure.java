// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.webpanels;

import com.quenora.ModelContext;

public class QNWebProcedure {
  public QNWebProcedure() {}
  public QNWebProcedure(int remoteHandle, ModelContext context) {}

  protected ModelContext context;
  protected int remoteHandle;

  // The HTTP response the procedure answers through.
  public static class Response {
    public java.io.PrintWriter getWriter() throws java.io.IOException {
      return new java.io.PrintWriter(System.out);
    }
  }
  protected Response res = new Response();

  protected void cleanup() {}

  // The request's parameters, read in order.
  public void initpars() {}
  public String GetNextPar() { return ""; }
  public java.util.Date parseDateParm(String s) { return null; }
  public java.util.Date parseDateTimeParm(String s) { return null; }
}
