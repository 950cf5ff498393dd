// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.webpanels;

import com.quenora.ModelContext;
import java.util.Date;

public class QNWebPanel {
  public ModelContext context;
  public int remoteHandle;
  // Standard constants: Qnnewline char(4).
  public String QN_nl = "\r\n";
  // The request: its method and the page that sent it.
  public String CGI_RequestMethod = "";
  public String CGI_Referer = "";
  // The page is written as a static file.
  public boolean isStatic;

  public QNWebPanel() {}
  public QNWebPanel(int remoteHandle, ModelContext context) {}

  // userid( char(1), int(9), int(9), char(254) : char(40)
  public String getUserId(String kind, ModelContext context, int remoteHandle, String dbms) {
    return "";
  }
  // formatLink( char(9) : char(9); the encoding of link parameters by type.
  public String formatLink(String target) { return target; }
  public String formatDateParm(Date d) { return ""; }
  public String formatDateTimeParm(Date d) { return ""; }
  public Date parseDateParm(String s) { return null; }
  public Date parseDateTimeParm(String s) { return null; }
  // staticdir( : char(40)
  public static String getStaticDir() { return ""; }
  public static String getDynURL() { return ""; }
  public static int isStaticGeneration() { return 0; }
  public static int isStaticCreated(String file) { return 0; }
  public static int isStaticOverwrite() { return 0; }
  public static int isExpandLinks() { return 0; }
  public static String prefixURL(String url) { return url; }
  public static String convertURL(String url) { return url; }
  public static void copyFiles() {}

  // The request cycle.
  public String cgiGet(String name) { return ""; }
  public String GetNextPar() { return ""; }
  public void initpars() {}
  public void redirect(String url) {}
  public void createFile(String name) {}
  public void addFileToCopy(String name) {}
  public String getHTMLColor(long colour) { return ""; }
  protected void flushBuffer() {}
  // The page writer: a text as it stands, a value escaped for the page.
  public void qnhtml_text(String html) {}
  public void qnhtml_send_web_value(Object value) {}
  // An error message of the page, sent with it.
  public void qncgi_pusherror(String message) {}
}
