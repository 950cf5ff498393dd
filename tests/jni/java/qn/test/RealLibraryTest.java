package qn.test;

import com.quenora.qnoffice.QnMail;

/** The module's own mail facade behind the natives: an invalid mode is error 100. */
public final class RealLibraryTest {
  public static void main(String[] args) {
    QnMail mail = new QnMail();
    mail.setMode("X");
    short sent = mail.Send("a@b", "", "", "subject", "text", null);
    short error = mail.getError();
    if (sent != 100 || error != 100) {
      System.out.println("FAIL: Send gave " + sent + " and getError " + error + ", not 100");
      System.exit(1);
    }
    System.out.println("invalid mode: 100");
  }
}
