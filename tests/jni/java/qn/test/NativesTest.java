package qn.test;

import com.quenora.qnoffice.QnExcel;
import com.quenora.qnoffice.QnMail;
import com.quenora.qnoffice.QnWord;
import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.InputStream;
import java.text.SimpleDateFormat;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Date;
import java.util.HashSet;
import java.util.List;
import java.util.Set;
import java.util.concurrent.Callable;

/**
 * The natives of com.quenora.qnoffice on the recording fakes of the test copy
 * of libQnOffice. Run with -Xcheck:jni and -Duser.timezone=Europe/Madrid; the
 * test fails on any JNI warning (the caller checks the output) and exits
 * non-zero on a failed check.
 *
 * With the argument "failing", it is instead the child that the main run
 * starts: every native once while COM cannot be initialised, then once more
 * while objects cannot be made; the main run reads its stderr.
 */
@SuppressWarnings("deprecation")
public final class NativesTest {
  static final QnWord w = new QnWord();
  static final QnExcel x = new QnExcel();
  static final QnMail m = new QnMail();
  static int failures = 0;

  static void check(boolean ok, String what) {
    if (!ok) {
      failures++;
      System.out.println("FAIL: " + what);
    }
  }

  static void eq(Object expect, Object actual, String what) {
    check(expect.equals(actual), what + ": expected <" + expect + "> but was <" + actual + ">");
  }

  static void script(String... pairs) {
    for (int i = 0; i < pairs.length; i += 2) Fakes.script(pairs[i], pairs[i + 1]);
  }

  static String call(Callable<Object> c) {
    try {
      return String.valueOf(c.call());
    } catch (Throwable e) {
      return e.getClass().getSimpleName();
    }
  }

  static String fmt(Date d) {
    return d == null ? "null" : new SimpleDateFormat("yyyy-MM-dd HH:mm:ss").format(d);
  }

  /** One native on the fakes: result and outputs as text, and the lines logged. */
  static void row(String name, String[] scripted, Callable<Object> body, String expect,
      String... log) {
    Fakes.reset();
    script(scripted);
    eq(expect, call(body), name);
    eq(Arrays.asList(log), Arrays.asList(Fakes.log()), name + " log");
  }

  static String[] s(String... pairs) {
    return pairs;
  }

  static final String[] CODE = {"nError", "7"};

  // ---------------------------------------------------------------- all 58

  static void everyNative() {
    // QnWord
    row("Word.Open", s("wHandle", "2", "nError", "7"),
        () -> { short[] h = {9}; return w.Open("a.doc", h) + " " + h[0]; },
        "7 2", "IQnWord.Open(\"a.doc\")");
    row("Word.Hide", CODE, () -> w.Hide((short) 3), "7", "IQnWord.Hide(3)");
    row("Word.Show", CODE, () -> w.Show((short) 3), "7", "IQnWord.Show(3)");
    row("Word.Close", CODE, () -> w.Close((short) 3), "7", "IQnWord.Close(3)");
    row("Word.getError", s("Error", "11"), () -> w.getError(), "11", "IQnWord.Error()");
    row("Word.setDisplayMessages", CODE, () -> { w.setDisplayMessages((short) 1); return ""; },
        "", "IQnWord.DisplayMessages(1)");
    row("Word.PrintOut", CODE, () -> w.PrintOut((short) 3, (short) 1, (short) 0), "7",
        "IQnWord.PrintOut(3, 1, 0)");
    row("Word.setTemplate", CODE, () -> { w.setTemplate("n.dot"); return ""; }, "",
        "IQnWord.Template(\"n.dot\")");
    row("Word.setReadOnly", CODE, () -> { w.setReadOnly((short) 1); return ""; }, "",
        "IQnWord.ReadOnly(1)");
    row("Word.Put", CODE, () -> w.Put((short) 3, "text", (short) 1), "7",
        "IQnWord.Put(3, \"text\", 1)");
    row("Word.Get", s("wText", "new", "nError", "7"),
        () -> { String[] t = {"old"}; return w.Get((short) 3, t) + " " + t[0]; },
        "7 new", "IQnWord.Get(3)");
    row("Word.SpellCheck", CODE, () -> w.SpellCheck((short) 3), "7", "IQnWord.SpellCheck(3)");
    row("Word.Save", CODE, () -> w.Save((short) 3), "7", "IQnWord.Save(3)");
    row("Word.Replace", CODE, () -> w.Replace((short) 3, "a", "b", (short) 1, (short) 0), "7",
        "IQnWord.Replace(3, \"a\", \"b\", 1, 0)");
    row("Word.SaveAs", CODE, () -> w.SaveAs((short) 3, "n.txt", "txt", (short) 1, (short) 0),
        "7", "IQnWord.SaveAs(3, \"n.txt\", \"txt\", 1, 0)");
    row("Word.cleanup", CODE, () -> { w.cleanup(); return ""; }, "", "delete IQnWord");

    // QnExcel
    row("Excel.Open", s("xlHandle", "4", "nError", "7"),
        () -> { short[] h = {9}; return x.Open("a.xls", h) + " " + h[0]; },
        "7 4", "new IQnExcel", "IQnExcel.Open(\"a.xls\")");
    row("Excel.Show", CODE, () -> x.Show((short) 3), "7", "IQnExcel.Show(3)");
    row("Excel.Close", CODE, () -> x.Close((short) 3), "7", "IQnExcel.Close(3)");
    row("Excel.Save", CODE, () -> x.Save((short) 3), "7", "IQnExcel.Save(3)");
    row("Excel.Hide", CODE, () -> x.Hide((short) 3), "7", "IQnExcel.Hide(3)");
    row("Excel.Clear", CODE, () -> x.Clear((short) 3), "7", "IQnExcel.Clear(3)");
    row("Excel.GetLong", s("xlValue", "I4:-12", "nError", "7"),
        () -> { long[] v = {9}; return x.GetLong((short) 3, 4, 5, v) + " " + v[0]; },
        "7 -12", "IQnExcel.Get(3, 4, 5)");
    row("Excel.GetDouble", s("xlValue", "R8:2.25", "nError", "7"),
        () -> { double[] v = {9}; return x.GetDouble((short) 3, 4, 5, v) + " " + v[0]; },
        "7 2.25", "IQnExcel.Get(3, 4, 5)");
    row("Excel.GetDate", s("xlValue", "R8:2.5", "nError", "7"),
        () -> { Date[] v = {null}; return x.GetDate((short) 3, 4, 5, v) + " " + fmt(v[0]); },
        "7 1900-01-01 12:00:00", "IQnExcel.Get(3, 4, 5)");
    row("Excel.GetString", s("xlValue", "BSTR:abc", "nError", "7"),
        () -> { String[] v = {"old"}; return x.GetString((short) 3, 4, 5, v) + " " + v[0]; },
        "7 abc", "IQnExcel.Get(3, 4, 5)");
    row("Excel.PutLong", CODE, () -> x.PutLong((short) 3, 4, 5, -6L), "7",
        "IQnExcel.Put(3, 4, 5, I4:-6)");
    row("Excel.PutDouble", CODE, () -> x.PutDouble((short) 3, 4, 5, 0.5), "7",
        "IQnExcel.Put(3, 4, 5, R8:0.5)");
    row("Excel.PutDate", CODE, () -> x.PutDate((short) 3, 4, 5, new Date(0, 0, 1, 12, 0, 0)),
        "7", "IQnExcel.Put(3, 4, 5, DATE:2.5)");
    row("Excel.PutString", CODE, () -> x.PutString((short) 3, 4, 5, "abc"), "7",
        "IQnExcel.Put(3, 4, 5, BSTR:\"abc\")");
    row("Excel.Type", s("xlType", "n", "nError", "7"),
        () -> { String[] t = {"old"}; return x.Type((short) 3, 4, 5, t) + " " + t[0]; },
        "7 n", "IQnExcel.Type(3, 4, 5)");
    row("Excel.getError", s("Error", "11"), () -> x.getError(), "11", "IQnExcel.Error()");
    row("Excel.setDisplayMessages", CODE, () -> { x.setDisplayMessages((short) 1); return ""; },
        "", "IQnExcel.DisplayMessages(1)");
    row("Excel.setDefaultPath", CODE, () -> { x.setDefaultPath("/d"); return ""; }, "",
        "IQnExcel.DefaultPath(\"/d\")");
    row("Excel.PrintOut", CODE, () -> x.PrintOut((short) 3, (short) 1), "7",
        "IQnExcel.PrintOut(3, 1)");
    row("Excel.setTemplate", CODE, () -> { x.setTemplate("t.xlt"); return ""; }, "",
        "IQnExcel.Template(\"t.xlt\")");
    row("Excel.setReadOnly", CODE, () -> { x.setReadOnly((short) 1); return ""; }, "",
        "IQnExcel.ReadOnly(1)");
    row("Excel.SelectSheet", CODE, () -> x.SelectSheet((short) 3, "S1"), "7",
        "IQnExcel.SelectSheet(3, \"S1\")");
    row("Excel.RenameSheet", CODE, () -> x.RenameSheet((short) 3, "S2"), "7",
        "IQnExcel.RenameSheet(3, \"S2\")");
    row("Excel.GetFormat", s("xlColor", "6", "xlFont", "Arial", "xlSize", "10", "nError", "7"),
        () -> {
          int[] c = {9}; String[] f = {"old"}; int[] z = {9};
          return x.GetFormat((short) 3, 4, 5, c, f, z) + " " + c[0] + " " + f[0] + " " + z[0];
        },
        "7 6 Arial 10", "IQnExcel.GetFormat(3, 4, 5)");
    row("Excel.PutFormat", CODE, () -> x.PutFormat((short) 3, 4, 5, 20, 30, 6, "Arial", 10.5),
        "7", "IQnExcel.PutFormat(3, 4, 5, 20, 30, 6, \"Arial\", 10.5)");
    row("Excel.setAutoFit", CODE, () -> { x.setAutoFit((short) 1); return ""; }, "",
        "IQnExcel.AutoFit(1)");
    row("Excel.cleanup", CODE, () -> { x.cleanup(); return ""; }, "", "delete IQnExcel");

    // QnMail
    row("Mail.LoginMAPI", CODE, () -> m.LoginMAPI("p", (short) 1, (short) 0), "7",
        "new IQnMail", "IQnMail.LoginMAPI(\"p\", 1, 0)");
    row("Mail.Logout", CODE, () -> m.Logout(), "7", "IQnMail.Logout()");
    row("Mail.Send", CODE, () -> m.Send("t", "c", "b", "s", "x", "a"), "7",
        "IQnMail.Send(\"t\", \"c\", \"b\", \"s\", \"x\", \"a\")");
    row("Mail.setEditWindow", CODE, () -> { m.setEditWindow((short) 1); return ""; }, "",
        "IQnMail.EditWindow(1)");
    row("Mail.getError", s("Error", "11"), () -> m.getError(), "11", "IQnMail.Error()");
    row("Mail.setDisplayMessages", CODE, () -> { m.setDisplayMessages((short) 1); return ""; },
        "", "IQnMail.DisplayMessages(1)");
    row("Mail.Receive",
        s("From", "f", "To", "t", "CC", "c", "Subject", "s", "Text", "x", "Attachs", "a",
            "DateSent", "2.5", "DateReceived", "-1.25", "nError", "7"),
        () -> {
          String[][] o = {{"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"6"}};
          Date[] sent = {null};
          Date[] received = {null};
          short r = m.Receive(o[0], o[1], o[2], o[3], o[4], o[5], sent, received);
          return r + " " + o[0][0] + o[1][0] + o[2][0] + o[3][0] + o[4][0] + o[5][0] + " "
              + fmt(sent[0]) + " " + fmt(received[0]);
        },
        "7 ftcsxa 1900-01-01 12:00:00 1899-12-29 06:00:00", "IQnMail.Receive()");
    row("Mail.setAttachDir", CODE, () -> { m.setAttachDir("/a"); return ""; }, "",
        "IQnMail.AttachDir(\"/a\")");
    row("Mail.setAddressFormat", CODE, () -> { m.setAddressFormat((short) 2); return ""; }, "",
        "IQnMail.AddressFormat(2)");
    row("Mail.setMode", CODE, () -> { m.setMode("I"); return ""; }, "", "IQnMail.Mode(\"I\")");
    row("Mail.LoginSMTP", CODE, () -> m.LoginSMTP("s", "n", "a", "u", "p", (short) 30), "7",
        "IQnMail.LoginSMTP(\"s\", \"n\", \"a\", \"u\", \"p\", 30)");
    row("Mail.LoginPOP3", CODE,
        () -> m.LoginPOP3("s", "u", "p", (short) 1, (short) 0, (short) 20), "7",
        "IQnMail.LoginPOP3(\"s\", \"u\", \"p\", 1, 0, 20)");
    row("Mail.ChangeFolder", CODE, () -> m.ChangeFolder("F", (short) 1, (short) 0), "7",
        "IQnMail.ChangeFolder(\"F\", 1, 0)");
    row("Mail.getCount", s("Count", "70000"), () -> m.getCount(), "70000", "IQnMail.Count()");
    row("Mail.cleanup", CODE, () -> { m.cleanup(); return ""; }, "", "delete IQnMail");
  }

  // ---------------------------------------------------------------- objects

  static void objects() {
    // The first native of a class makes only that class's object; after
    // cleanup the next native works on a new one.
    Fakes.reset();
    w.Hide((short) 1);
    w.Show((short) 1);
    eq(Arrays.asList("new IQnWord", "IQnWord.Hide(1)", "IQnWord.Show(1)"),
        Arrays.asList(Fakes.log()), "first native makes its own object");
    x.Show((short) 1);
    eq(Arrays.asList("new IQnExcel", "IQnExcel.Show(1)"), Arrays.asList(Fakes.log()),
        "another class makes only its own");
    w.cleanup();
    w.cleanup();
    w.Hide((short) 2);
    eq(Arrays.asList("delete IQnWord", "new IQnWord", "IQnWord.Hide(2)"),
        Arrays.asList(Fakes.log()), "cleanup, then a new object");

    // Creation that fails: -1 from everything, nothing logged, no box (the
    // child shows that), and the next native tries again.
    w.cleanup();
    Fakes.log();
    Fakes.failCreation(true);
    eq("-1 -1 -1 -1 9", call(() -> {
      short[] h = {9};
      return w.Hide((short) 1) + " " + w.getError() + " " + m.getCount() + " " + w.Open("a", h)
          + " " + h[0];
    }), "creation fails");
    w.setReadOnly((short) 1);
    eq(0, Fakes.log().length, "nothing called while creation fails");
    Fakes.failCreation(false);
    eq("0", call(() -> w.Hide((short) 1)), "creation retried");
    eq(Arrays.asList("new IQnWord", "IQnWord.Hide(1)"), Arrays.asList(Fakes.log()), "retried");
    x.cleanup();
  }

  /** Every class has its object, so that rows log only their member. */
  static void warm() {
    w.getError();
    x.getError();
    m.getError();
  }

  // ---------------------------------------------------------------- conversions

  static void strings() {
    warm();
    String[] cases = {"\u00e9", "\u20ac", "\u0081", "\ud83d\ude00", "a\ud83db", "\udc00",
        "a\u0000b", "", "\u0000"};
    for (String t : cases) {
      String name = "string " + Arrays.toString(t.chars().toArray());
      row(name + " in", CODE, () -> w.Put((short) 1, t, (short) 0), "7",
          "IQnWord.Put(1, \"" + t + "\", 0)");
      Fakes.reset();
      Fakes.script("wText", t);
      String[] out = {"old"};
      w.Get((short) 1, out);
      eq(t, out[0], name + " out");
      Fakes.log();
    }
    row("null String", CODE, () -> w.Put((short) 1, null, (short) 0), "7",
        "IQnWord.Put(1, \"\", 0)");
    row("unset text output", CODE,
        () -> { String[] t = {"old"}; return w.Get((short) 1, t) + " " + t[0]; },
        "7 old", "IQnWord.Get(1)");
  }

  static void dates() {
    warm();
    // OLE date (as the fake writes it) -> the Date the program sees.
    String[][] out = {
        {"0", "1899-12-30 00:00:00"},
        {"2.5", "1900-01-01 12:00:00"},
        {"-1.25", "1899-12-29 06:00:00"},
        {Double.toString(1 + 86399.5 / 86400), "1900-01-01 00:00:00"},
        {Double.toString(1 + 86399.4 / 86400), "1899-12-31 23:59:59"},
        // 2:30 on the night clocks go forward does not exist: the calendar
        // moves it on by the hour the clocks skip.
        {Double.toString(45382 + 2.5 / 24), "2024-03-31 03:30:00"},
        // 2:30 on the night clocks go back exists twice; either is 2:30.
        {Double.toString(45592 + 2.5 / 24), "2024-10-27 02:30:00"},
    };
    for (String[] c : out) {
      Fakes.reset();
      Fakes.script("DateSent", c[0]);
      Date[] sent = {null};
      Date[] received = {new Date(5)};
      Date unwritten = received[0];
      String[][] t = {{""}, {""}, {""}, {""}, {""}, {""}};
      m.Receive(t[0], t[1], t[2], t[3], t[4], t[5], sent, received);
      eq(c[1], fmt(sent[0]), "date out " + c[0]);
      check(received[0] == unwritten, "an unwritten date leaves element 0 alone");
      Fakes.log();
    }
    // Date -> OLE date as the member receives it.
    Object[][] in = {
        {new Date(-1, 11, 30, 0, 0, 0), "0"},
        {new Date(0, 0, 1, 12, 0, 0), "2.5"},
        {new Date(-1, 11, 29, 6, 0, 0), "-1.25"},
        {new Date(124, 9, 27, 2, 30, 0), Double.toString(45592 + 2.5 / 24)},
        {new Date(new Date(0, 0, 1, 12, 0, 0).getTime() + 999), "2.5"},  // milliseconds dropped
    };
    for (Object[] c : in) {
      row("date in " + c[1], CODE, () -> x.PutDate((short) 1, 1, 1, (Date) c[0]), "7",
          "IQnExcel.Put(1, 1, 1, DATE:" + c[1] + ")");
    }
  }

  static void cells() {
    warm();
    // What Get returns -> GetLong, GetDouble, GetString, GetDate.
    String[][] cases = {
        {"BSTR:12", "12", "12.0", "12", "1900-01-11 00:00:00"},
        {"BSTR:abc", "-1", "-1.0", "abc", "old"},
        {null, "0", "0.0", "", "1899-12-30 00:00:00"},
        {"R8:2.5", "2", "2.5", "2.5", "1900-01-01 12:00:00"},
        {"R8:3.5", "4", "3.5", "3.5", "1900-01-02 12:00:00"},
    };
    for (String[] c : cases) {
      Fakes.reset();
      if (c[0] != null) Fakes.script("xlValue", c[0]);
      long[] l = {9};
      double[] d = {9};
      String[] s = {"old"};
      Date old = new Date(0);
      Date[] t = {old};
      x.GetLong((short) 1, 1, 1, l);
      x.GetDouble((short) 1, 1, 1, d);
      x.GetString((short) 1, 1, 1, s);
      x.GetDate((short) 1, 1, 1, t);
      String cell = String.valueOf(c[0]);
      eq(c[1], Long.toString(l[0]), "GetLong " + cell);
      eq(c[2], Double.toString(d[0]), "GetDouble " + cell);
      eq(c[3], s[0], "GetString " + cell);
      eq(c[4], t[0] == old ? "old" : fmt(t[0]), "GetDate " + cell);
      Fakes.log();
    }
    // An invalid handle: the member's code, and the empty value converted.
    row("GetLong on a bad handle", s("nError", "2"),
        () -> { long[] v = {9}; return x.GetLong((short) 99, 1, 1, v) + " " + v[0]; }, "2 0",
        "IQnExcel.Get(99, 1, 1)");
    row("PutLong of 2^32+5", CODE, () -> x.PutLong((short) 1, 1, 1, (1L << 32) + 5), "7",
        "IQnExcel.Put(1, 1, 1, I4:5)");
    row("PutLong of -1 beyond 32 bits", CODE, () -> x.PutLong((short) 1, 1, 1, 0xFFFFFFFFL), "7",
        "IQnExcel.Put(1, 1, 1, I4:-1)");
    row("Open that failed", s("xlHandle", "-1", "nError", "3"),
        () -> { short[] h = {9}; return x.Open("none.xls", h) + " " + h[0]; }, "3 -1",
        "IQnExcel.Open(\"none.xls\")");
  }

  // ---------------------------------------------------------------- bad input

  static void badInput() {
    warm();
    String[] seven = {"", "", "", "", "", ""};
    Object[][] cases = {
        {"Open null", (Callable<Object>) () -> w.Open("a", null), "NullPointerException"},
        {"Open empty", (Callable<Object>) () -> w.Open("a", new short[0]),
            "ArrayIndexOutOfBoundsException"},
        {"Get null", (Callable<Object>) () -> w.Get((short) 1, null), "NullPointerException"},
        {"GetLong empty", (Callable<Object>) () -> x.GetLong((short) 1, 1, 1, new long[0]),
            "ArrayIndexOutOfBoundsException"},
        {"GetDouble null", (Callable<Object>) () -> x.GetDouble((short) 1, 1, 1, null),
            "NullPointerException"},
        {"GetDate empty", (Callable<Object>) () -> x.GetDate((short) 1, 1, 1, new Date[0]),
            "ArrayIndexOutOfBoundsException"},
        {"GetString null", (Callable<Object>) () -> x.GetString((short) 1, 1, 1, null),
            "NullPointerException"},
        {"Type empty", (Callable<Object>) () -> x.Type((short) 1, 1, 1, new String[0]),
            "ArrayIndexOutOfBoundsException"},
        {"GetFormat size null", (Callable<Object>) () ->
            x.GetFormat((short) 1, 1, 1, new int[1], new String[1], null), "NullPointerException"},
        {"PutDate null", (Callable<Object>) () -> x.PutDate((short) 1, 1, 1, null),
            "NullPointerException"},
        // A JNI call that raises ends the native before its member.
        {"PutDate of a Date that throws", (Callable<Object>) () -> x.PutDate((short) 1, 1, 1,
            new Date() {
              @Override
              public int getHours() {
                throw new IllegalStateException();
              }
            }), "IllegalStateException"},
        // A year beyond what a date holds, however the Date reports it.
        {"PutDate of year MAX_VALUE", (Callable<Object>) () -> x.PutDate((short) 1, 1, 1,
            new Date() {
              @Override
              public int getYear() {
                return Integer.MAX_VALUE;
              }
            }), "IllegalArgumentException"},
        {"PutDate of year 10000", (Callable<Object>) () -> x.PutDate((short) 1, 1, 1,
            new Date(10000 - 1900, 0, 1)), "IllegalArgumentException"},
        {"PutDate of year 99", (Callable<Object>) () -> x.PutDate((short) 1, 1, 1,
            new Date(99 - 1900, 11, 31)), "IllegalArgumentException"},
        {"Receive last date empty", (Callable<Object>) () -> m.Receive(new String[1],
            new String[1], new String[1], new String[1], new String[1], new String[1],
            new Date[1], new Date[0]), "ArrayIndexOutOfBoundsException"},
        {"Receive first null", (Callable<Object>) () -> m.Receive(null, new String[1],
            new String[1], new String[1], new String[1], new String[1], new Date[1],
            new Date[1]), "NullPointerException"},
    };
    for (Object[] c : cases) {
      @SuppressWarnings("unchecked")
      Callable<Object> body = (Callable<Object>) c[1];
      row((String) c[0], CODE, body, (String) c[2]);
    }
    // No C++ exception crosses into the JVM, and the class's lock is free again.
    row("member throws bad_alloc", s("throw", "bad_alloc"), () -> w.Hide((short) 1),
        "OutOfMemoryError", "IQnWord.Hide(1)");
    row("member throws", s("throw", "x"), () -> w.Hide((short) 1), "InternalError",
        "IQnWord.Hide(1)");
    row("after a throw", CODE, () -> w.Hide((short) 2), "7", "IQnWord.Hide(2)");
  }

  // ---------------------------------------------------------------- threads

  static void threads() throws InterruptedException {
    w.cleanup();
    x.cleanup();
    Fakes.reset();
    final int perThread = 1250;
    Thread[] threads = new Thread[8];
    Set<String> expected = new HashSet<>();
    for (int t = 0; t < threads.length; t++) {
      final int id = t;
      for (int i = 0; i < perThread; i++) {
        expected.add(i % 2 == 0 ? "IQnWord.Put(" + id + ", \"" + i + "\", 0)"
            : "IQnExcel.Put(" + id + ", " + i + ", 0, BSTR:\"x\")");
      }
      threads[t] = new Thread(() -> {
        for (int i = 0; i < perThread; i++) {
          if (i % 2 == 0) {
            w.Put((short) id, Integer.toString(i), (short) 0);
          } else {
            x.PutString((short) id, i, 0, "x");
          }
        }
      });
    }
    for (Thread t : threads) t.start();
    for (Thread t : threads) t.join();
    List<String> log = Arrays.asList(Fakes.log());
    eq(1, (int) log.stream().filter(l -> l.equals("new IQnWord")).count(), "one Word object");
    eq(1, (int) log.stream().filter(l -> l.equals("new IQnExcel")).count(), "one Excel object");
    List<String> calls = new ArrayList<>(log);
    calls.removeIf(l -> l.startsWith("new "));
    eq(threads.length * perThread, calls.size(), "every call logged");
    eq(expected, new HashSet<>(calls), "every call logged once");
  }

  // ---------------------------------------------------------------- failing COM

  static String[] everyCall() {
    List<String> r = new ArrayList<>();
    short h = 1;
    r.add(call(() -> w.Open("a", new short[] {9})));
    r.add(call(() -> w.Hide(h)));
    r.add(call(() -> w.Show(h)));
    r.add(call(() -> w.Close(h)));
    r.add(call(() -> w.getError()));
    w.setDisplayMessages(h);
    r.add(call(() -> w.PrintOut(h, h, h)));
    w.setTemplate("t");
    w.setReadOnly(h);
    r.add(call(() -> w.Put(h, "t", h)));
    r.add(call(() -> w.Get(h, new String[1])));
    r.add(call(() -> w.SpellCheck(h)));
    r.add(call(() -> w.Save(h)));
    r.add(call(() -> w.Replace(h, "a", "b", h, h)));
    r.add(call(() -> w.SaveAs(h, "a", "b", h, h)));
    w.cleanup();
    r.add(call(() -> x.Open("a", new short[1])));
    r.add(call(() -> x.Show(h)));
    r.add(call(() -> x.Close(h)));
    r.add(call(() -> x.Save(h)));
    r.add(call(() -> x.Hide(h)));
    r.add(call(() -> x.Clear(h)));
    long[] l = {9};
    double[] d = {9};
    r.add(call(() -> x.GetLong(h, 1, 1, l) + " " + l[0]));
    r.add(call(() -> x.GetDouble(h, 1, 1, d) + " " + d[0]));
    r.add(call(() -> x.GetDate(h, 1, 1, new Date[1])));
    r.add(call(() -> x.GetString(h, 1, 1, new String[1])));
    r.add(call(() -> x.PutLong(h, 1, 1, 1L)));
    r.add(call(() -> x.PutDouble(h, 1, 1, 1.0)));
    r.add(call(() -> x.PutDate(h, 1, 1, new Date())));
    r.add(call(() -> x.PutString(h, 1, 1, "a")));
    r.add(call(() -> x.Type(h, 1, 1, new String[1])));
    r.add(call(() -> x.getError()));
    x.setDisplayMessages(h);
    x.setDefaultPath("p");
    r.add(call(() -> x.PrintOut(h, h)));
    x.setTemplate("t");
    x.setReadOnly(h);
    r.add(call(() -> x.SelectSheet(h, "s")));
    r.add(call(() -> x.RenameSheet(h, "s")));
    r.add(call(() -> x.GetFormat(h, 1, 1, new int[1], new String[1], new int[1])));
    r.add(call(() -> x.PutFormat(h, 1, 1, 1, 1, 1, "f", 1.0)));
    x.setAutoFit(h);
    x.cleanup();
    r.add(call(() -> m.LoginMAPI("p", h, h)));
    r.add(call(() -> m.Logout()));
    r.add(call(() -> m.Send("a", "b", "c", "d", "e", "f")));
    m.setEditWindow(h);
    r.add(call(() -> m.getError()));
    m.setDisplayMessages(h);
    String[] o = new String[1];
    Date[] t = new Date[1];
    r.add(call(() -> m.Receive(o, o, o, o, o, o, t, t)));
    m.setAttachDir("a");
    m.setAddressFormat(h);
    m.setMode("I");
    r.add(call(() -> m.LoginSMTP("a", "b", "c", "d", "e", h)));
    r.add(call(() -> m.LoginPOP3("a", "b", "c", h, h, h)));
    r.add(call(() -> m.ChangeFolder("a", h, h)));
    r.add(call(() -> m.getCount()));
    m.cleanup();
    return r.toArray(new String[0]);
  }

  // 42 natives return a code; GetLong and GetDouble leave their element alone.
  static final String EVERY_CALL_FAILED;

  static {
    String[] r = new String[42];
    Arrays.fill(r, "-1");
    r[18] = "-1 9";
    r[19] = "-1 9.0";
    EVERY_CALL_FAILED = Arrays.toString(r);
  }

  /** The child: COM fails on this thread; then, on another, creation fails. */
  static void failing() throws Exception {
    Fakes.reset();
    eq(0, Fakes.enterMultithreaded(), "the thread is multithreaded");
    eq(EVERY_CALL_FAILED, Arrays.toString(everyCall()), "every native while COM fails");
    eq(0, Fakes.log().length, "no member called while COM fails");
    System.err.println("--- creation fails ---");
    Thread other = new Thread(() -> {
      Fakes.failCreation(true);
      eq(EVERY_CALL_FAILED, Arrays.toString(everyCall()), "every native while creation fails");
      eq(0, Fakes.log().length, "no member called while creation fails");
    });
    other.start();
    other.join();
  }

  static String readAll(InputStream in) throws Exception {
    ByteArrayOutputStream b = new ByteArrayOutputStream();
    in.transferTo(b);
    return b.toString("UTF-8");
  }

  static void childRun() throws Exception {
    String java = System.getProperty("java.home") + File.separator + "bin" + File.separator
        + "java";
    ProcessBuilder pb = new ProcessBuilder(java, "-Xcheck:jni", "-Duser.timezone=Europe/Madrid",
        "-Djava.library.path=" + System.getProperty("java.library.path"), "-cp",
        System.getProperty("java.class.path"), NativesTest.class.getName(), "failing");
    Process p = pb.start();
    p.getOutputStream().close();
    String[] err = new String[1];
    Thread reader = new Thread(() -> {
      try {
        err[0] = readAll(p.getErrorStream());
      } catch (Exception e) {
        err[0] = e.toString();
      }
    });
    reader.start();
    String out = readAll(p.getInputStream());
    reader.join();
    int rc = p.waitFor();
    System.out.print(out.isEmpty() ? "" : "child: " + out.replace("\n", "\nchild: ") + "\n");
    eq(0, rc, "the child's exit code");
    check(!out.contains("WARNING") && !err[0].contains("WARNING"), "the child's JNI is clean");
    String[] parts = err[0].split("--- creation fails ---", -1);
    check(parts.length == 2, "the child reached both phases: " + err[0]);
    if (parts.length != 2) return;
    // Every native but the three cleanups ensures its object, so shows the box.
    eq(55, count(parts[0], "Couldn't CoInitialize."), "a box for each native while COM fails");
    eq(0, count(parts[1], "Couldn't CoInitialize."), "no box when creation fails");
    eq("", parts[1].trim(), "nothing else shown when creation fails");
  }

  static int count(String text, String what) {
    int n = 0;
    for (int i = text.indexOf(what); i >= 0; i = text.indexOf(what, i + 1)) n++;
    return n;
  }

  public static void main(String[] args) throws Exception {
    if (args.length > 0 && args[0].equals("failing")) {
      failing();
    } else {
      // COM is initialised here, on a thread of its own, before the main
      // thread's first native: the flag is the process's, not the thread's.
      Thread first = new Thread(() -> {
        Fakes.reset();
        w.getError();
        w.cleanup();
      });
      first.start();
      first.join();
      objects();
      everyNative();
      strings();
      dates();
      cells();
      badInput();
      threads();
      childRun();
    }
    if (failures > 0) {
      System.out.println(failures + " check(s) failed");
      System.exit(1);
    }
    System.out.println("all checks passed");
  }
}
