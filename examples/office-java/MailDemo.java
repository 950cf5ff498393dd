import com.quenora.qnoffice.QnMail;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.Comparator;
import java.util.Date;
import java.util.stream.Stream;

/**
 * A Java program mailing through libQnOffice: it sends a message with an
 * attachment to ADDRESS through SERVER's SMTP service (AUTH LOGIN as USER),
 * then receives it back through the POP3 service, deleting it there.
 * With --store it sends a message with two attachments to ADDRESS through
 * the MAPI session of the mail store the registry file names, and receives
 * it back through the MAPI session and through Outlook.
 *
 * <pre>
 * java -cp qnoffice.jar:maildemo.jar -Djava.library.path=. MailDemo SERVER USER PASSWORD ADDRESS
 * java -cp qnoffice.jar:maildemo.jar -Djava.library.path=. MailDemo --store ADDRESS
 * </pre>
 *
 * The module keeps texts in Windows-1252: "Grüße €" comes back as it was
 * sent, while "Ā", which that code page lacks, comes back as "?".
 */
public class MailDemo {
  static final String SUBJECT = "Gr\u00fc\u00dfe \u20ac \u0100";
  static final String EXPECTED_SUBJECT = "Gr\u00fc\u00dfe \u20ac ?";
  static final String ATTACHED = "Attached text.\n";
  static final short NO_MESSAGE = 11;

  /** The outputs of one Receive. */
  static final class Received {
    final String[] from = {""};
    final String[] to = {""};
    final String[] cc = {""};
    final String[] subject = {""};
    final String[] text = {""};
    final String[] attachments = {""};
    final Date[] dateSent = {null};
    final Date[] dateReceived = {null};

    short receive(QnMail mail) {
      return mail.Receive(from, to, cc, subject, text, attachments, dateSent, dateReceived);
    }
  }

  static short report(String what, short code) {
    System.out.println(what + ": " + code);
    return code;
  }

  public static void main(String[] args) throws Exception {
    if (args.length == 2 && args[0].equals("--store")) {
      System.exit(throughStore(args[1]));
    }
    if (args.length != 4) {
      System.err.println("usage: MailDemo SERVER USER PASSWORD ADDRESS | --store ADDRESS");
      System.exit(2);
    }
    // A folder of its own for the attachment sent and the one received,
    // removed at the end.
    Path work = Files.createTempDirectory("maildemo");
    int status;
    try {
      status = run(args, work);
    } finally {
      removeTree(work);
    }
    System.exit(status);
  }

  static int run(String[] args, Path work) throws Exception {
    String server = args[0];
    String user = args[1];
    String password = args[2];
    String address = args[3];
    Path attachment = work.resolve("note.txt");
    Files.write(attachment, ATTACHED.getBytes(StandardCharsets.US_ASCII));
    Path saved = Files.createDirectory(work.resolve("received"));

    QnMail mail = new QnMail();
    mail.setMode("I");
    if (report("LoginSMTP", mail.LoginSMTP(server, "Mail Demo", address, user, password,
        (short) 10)) != 0) {
      return 1;
    }
    short sent = report("Send", mail.Send(address, "", "", SUBJECT, "Hello from Java.",
        attachment.toString()));
    mail.Logout();
    if (sent != 0) return 1;

    mail.setAttachDir(saved.toString());
    Received r = new Received();
    short code = NO_MESSAGE;
    // The server may take a moment to deliver: ask again for up to ten seconds.
    for (int attempt = 0; attempt < 20 && code == NO_MESSAGE; attempt++) {
      if (attempt > 0) Thread.sleep(500);
      if (report("LoginPOP3", mail.LoginPOP3(server, user, password, (short) 0, (short) 1,
          (short) 10)) != 0) {
        return 1;
      }
      code = r.receive(mail);
      mail.Logout();
    }
    report("Receive", code);
    if (code != 0) return 1;

    System.out.println("From: " + r.from[0]);
    System.out.println("Text: " + r.text[0].trim());
    boolean subjectKept = r.subject[0].equals(EXPECTED_SUBJECT);
    System.out.println("Subject as sent, but for the letter Windows-1252 lacks: "
        + (subjectKept ? "yes" : "no, " + escaped(r.subject[0])));
    // Attachments are saved in the attachment directory and listed by name.
    Path back = saved.resolve(r.attachments[0].trim());
    boolean attachmentKept = Files.isRegularFile(back)
        && new String(Files.readAllBytes(back), StandardCharsets.US_ASCII).equals(ATTACHED);
    System.out.println("Attachment " + back.getFileName() + " as sent: "
        + (attachmentKept ? "yes" : "no, " + escaped(r.attachments[0]) + (Files.isRegularFile(back)
            ? " holds " + escaped(new String(Files.readAllBytes(back), StandardCharsets.ISO_8859_1))
            : " is missing")));
    System.out.println("Sent on a date: " + (r.dateSent[0] != null ? "yes" : "no"));
    mail.cleanup();
    return subjectKept && attachmentKept ? 0 : 1;
  }

  static void removeTree(Path dir) throws IOException {
    try (Stream<Path> paths = Files.walk(dir)) {
      for (Path p : paths.sorted(Comparator.reverseOrder()).toList()) Files.delete(p);
    }
  }

  /** Sends in mode M, receives in modes M and O; 0 when both read it as sent. */
  static int throughStore(String address) throws Exception {
    Path work = Files.createTempDirectory("maildemo");
    try {
      return throughStore(address, work);
    } finally {
      removeTree(work);
    }
  }

  static int throughStore(String address, Path work) throws Exception {
    byte[] data = new byte[256];
    for (int i = 0; i < data.length; i++) data[i] = (byte) i;
    Files.write(work.resolve("note.txt"), ATTACHED.getBytes(StandardCharsets.US_ASCII));
    Files.write(work.resolve("data.bin"), data);

    QnMail mail = new QnMail();
    mail.setMode("M");
    if (report("LoginMAPI", mail.LoginMAPI("", (short) 0, (short) 0)) != 0) return 1;
    mail.setAttachDir(work.toString());
    if (report("Send", mail.Send(address, "", "", SUBJECT, "Hello from Java.",
        "note.txt; data.bin")) != 0) {
      return 1;
    }
    boolean all = true;
    for (String mode : new String[] {"M", "O"}) {
      mail.setMode(mode);
      Path saved = Files.createDirectory(work.resolve("received-" + mode));
      mail.setAttachDir(saved.toString());
      Received r = new Received();
      short code = report(mode + " Receive", r.receive(mail));
      boolean kept = code == 0
          && r.subject[0].equals(EXPECTED_SUBJECT)
          && r.text[0].equals("Hello from Java.")
          && r.attachments[0].equals("note.txt; data.bin")
          && Files.isRegularFile(saved.resolve("note.txt"))
          && new String(Files.readAllBytes(saved.resolve("note.txt")), StandardCharsets.US_ASCII)
              .equals(ATTACHED)
          && Files.isRegularFile(saved.resolve("data.bin"))
          && java.util.Arrays.equals(Files.readAllBytes(saved.resolve("data.bin")), data)
          && r.dateSent[0] != null;
      System.out.println(mode + " message and both attachments as sent: "
          + (kept ? "yes" : "no, " + escaped(r.subject[0]) + " / " + escaped(r.attachments[0])));
      all &= kept;
    }
    mail.setMode("M");
    mail.Logout();
    mail.cleanup();
    return all ? 0 : 1;
  }

  static String escaped(String s) {
    StringBuilder b = new StringBuilder();
    for (char c : s.toCharArray()) {
      b.append(c < 0x80 ? String.valueOf(c) : String.format("\\u%04x", (int) c));
    }
    return b.toString();
  }
}
