package qn.test;

import com.quenora.qnoffice.QnExcel;
import com.quenora.qnoffice.QnWord;
import java.io.File;
import java.util.Date;

/**
 * A workbook and a document through the natives and the module's own
 * classes, against the scripted servers registered in QN_REGISTRY_FILE: values
 * put are read back with their type letters, and the closed files exist.
 */
public final class DocumentsTest {
  private static int failures = 0;

  private static void check(boolean ok, String what) {
    if (!ok) {
      System.out.println("FAIL: " + what);
      failures++;
    }
  }

  private static void workbook() {
    new File("prices.xls").delete();
    QnExcel excel = new QnExcel();
    short[] handle = {-1};
    check(excel.Open("prices", handle) == 0 && handle[0] == 0, "Open gave handle " + handle[0]);
    short h = handle[0];
    Date when = new Date(1700000000000L);
    check(excel.PutDouble(h, 1, 1, 12.5) == 0, "PutDouble");
    check(excel.PutDate(h, 1, 2, when) == 0, "PutDate");
    check(excel.PutString(h, 1, 3, "Zoë's") == 0, "PutString");
    double[] number = {0};
    Date[] date = {null};
    String[] text = {null};
    check(excel.GetDouble(h, 1, 1, number) == 0 && number[0] == 12.5, "GetDouble " + number[0]);
    check(excel.GetDate(h, 1, 2, date) == 0 && when.equals(date[0]), "GetDate " + date[0]);
    check(excel.GetString(h, 1, 3, text) == 0 && "Zoë's".equals(text[0]), "GetString " + text[0]);
    String[] type = {null};
    String letters = "";
    for (int col = 1; col <= 4; col++) {
      excel.Type(h, 1, col, type);
      letters += type[0];
    }
    check(letters.equals("NDCU"), "Type letters " + letters);
    check(excel.Close(h) == 0, "Close");
    check(new File("prices.xls").isFile(), "prices.xls saved");
    check(excel.Show(h) == 3, "Show after the last Close gives 3");
    excel.cleanup();
  }

  private static void document() {
    new File("letter.doc").delete();
    QnWord word = new QnWord();
    short[] handle = {-1};
    check(word.Open("letter", handle) == 0 && handle[0] == 0, "Word Open gave " + handle[0]);
    short h = handle[0];
    check(word.Put(h, "Dear Sir\rYours", (short) 0) == 0, "Put");
    check(word.Replace(h, "Sir", "Madam", (short) 1, (short) 1) == 0, "Replace");
    String[] text = {null};
    check(word.Get(h, text) == 0 && "Dear Madam\r\nYours".equals(text[0]), "Get " + text[0]);
    check(word.Close(h) == 0, "Word Close");
    check(new File("letter.doc").isFile(), "letter.doc saved");
    word.cleanup();
  }

  public static void main(String[] args) {
    workbook();
    document();
    if (failures > 0) System.exit(1);
    System.out.println("workbook and document round trips: ok");
  }
}
