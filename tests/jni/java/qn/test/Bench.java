package qn.test;

import com.quenora.qnoffice.QnMail;
import java.util.Date;

/** Loops over natives on quiet fakes, timed by bench/jni_bench.cpp. */
public final class Bench {
  static final QnMail mail = new QnMail();
  static final String[] TEXTS = new String[6];
  static final String[][] OUT = new String[6][1];
  static final Date[] SENT = new Date[1];
  static final Date[] RECEIVED = new Date[1];

  private Bench() {}

  public static void prepare() {
    Fakes.reset();
    Fakes.quiet(true);
    String hundred = "0123456789".repeat(10);
    for (int i = 0; i < TEXTS.length; i++) TEXTS[i] = hundred;
    for (String key : new String[] {"From", "To", "CC", "Subject", "Text", "Attachs"}) {
      Fakes.script(key, hundred);
    }
    Fakes.script("DateSent", "45000.5");
    Fakes.script("DateReceived", "45000.75");
    mail.getError();
  }

  public static void getError(int n) {
    for (int i = 0; i < n; i++) mail.getError();
  }

  public static void send(int n) {
    String[] t = TEXTS;
    for (int i = 0; i < n; i++) mail.Send(t[0], t[1], t[2], t[3], t[4], t[5]);
  }

  public static void receive(int n) {
    String[][] o = OUT;
    for (int i = 0; i < n; i++) {
      mail.Receive(o[0], o[1], o[2], o[3], o[4], o[5], SENT, RECEIVED);
    }
  }
}
