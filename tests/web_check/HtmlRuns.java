// Assembles the page a web panel's class writes for a GET request, read
// from its Java source with the JDK's compiler tree (parsing only):
// webExecute is followed, each method of the class inlined at its first
// call; of an if/else chain the first branch that writes is taken; a loop's
// body runs once; "+" joins; a conditional gives its first value; a variable
// its last assignment of a constant, else its initial value; a call of a
// known name gives its argument (convertURL, rtrim, ltrim, trim), a colour
// (getColor or rgb of three numbers) its "#RRGGBB", getHTMLColor that colour
// (white when it is not known); any other value "v" (listed on standard
// error for review). qnhtml_text writes its text, and qnhtml_send_web_value
// the HTML-escaped constant its argument holds, else "v".
// A run-time part of a text qnhtml_text writes (a "v" it cannot fold) must
// not stand inside a value="..." or a text area: such a value goes out
// unescaped.
//
//   java -cp <dir> HtmlRuns FILE.java > page.html
//
// Exit status 0 when the page was assembled, 1 when the class has no
// webExecute, 2 on a usage error, 3 when a run-time text stands unescaped
// inside a value or a text area.
import com.sun.source.tree.*;
import com.sun.source.util.JavacTask;
import java.nio.charset.Charset;
import java.util.*;
import javax.tools.*;

public final class HtmlRuns {
  private final Map<String, MethodTree> methods = new HashMap<>();
  private final Set<String> inlined = new HashSet<>();
  private final Map<String, String> values = new HashMap<>();
  private final Set<String> unknown = new TreeSet<>();

  public static void main(String[] args) throws Exception {
    if (args.length != 1) {
      System.err.println("usage: HtmlRuns FILE.java");
      System.exit(2);
    }
    JavaCompiler compiler = ToolProvider.getSystemJavaCompiler();
    HtmlRuns runs = new HtmlRuns();
    try (StandardJavaFileManager files =
             compiler.getStandardFileManager(null, null, Charset.forName("windows-1252"))) {
      JavacTask task = (JavacTask) compiler.getTask(null, files, null, List.of("-proc:none"), null,
          files.getJavaFileObjects(args[0]));
      for (CompilationUnitTree unit : task.parse()) {
        for (Tree t : unit.getTypeDecls()) {
          if (!(t instanceof ClassTree)) continue;
          for (Tree m : ((ClassTree) t).getMembers()) {
            if (m instanceof MethodTree) {
              runs.methods.putIfAbsent(((MethodTree) m).getName().toString(), (MethodTree) m);
            } else if (m instanceof VariableTree && ((VariableTree) m).getInitializer() != null) {
              String v = runs.constant(((VariableTree) m).getInitializer());
              if (v != null) runs.values.put(((VariableTree) m).getName().toString(), v);
            }
          }
        }
      }
    }
    MethodTree start = runs.methods.get("webExecute");
    if (start == null) {
      System.err.println("HtmlRuns: no webExecute in " + args[0]);
      System.exit(1);
    }
    StringBuilder page = new StringBuilder();
    runs.inlined.add("webExecute");
    runs.block(start.getBody(), page);
    String unescaped = unescapedHole(page.toString());
    System.out.print(page.toString().replace(HOLE, "v"));
    for (String u : runs.unknown) System.err.println("v: " + u);
    if (unescaped != null) {
      System.err.println("HtmlRuns: a run-time text written unescaped inside " + unescaped);
      System.exit(3);
    }
  }

  // Where qnhtml_text writes a part it cannot fold.
  private static final String HOLE = "\u0001";

  // The first place a hole stands inside a value="..." attribute or a text
  // area's content, else null.
  private static String unescapedHole(String page) {
    for (int at = page.indexOf(HOLE); at >= 0; at = page.indexOf(HOLE, at + 1)) {
      String before = page.substring(0, at).replace(HOLE, "v");
      String lower = before.toLowerCase(Locale.ROOT);
      int value = lower.lastIndexOf("value=\"");
      if (value >= 0 && before.indexOf('"', value + 7) < 0) {
        return "a value: " + before.substring(Math.max(0, value - 40)) + "<here>";
      }
      int area = lower.lastIndexOf("<textarea");
      if (area >= 0 && lower.indexOf("</textarea>", area) < 0 && lower.indexOf('>', area) >= 0) {
        return "a text area: " + before.substring(area) + "<here>";
      }
    }
    return null;
  }

  private void block(BlockTree b, StringBuilder out) {
    if (b == null) return;
    for (StatementTree s : b.getStatements()) statement(s, out);
  }

  private void statement(StatementTree s, StringBuilder out) {
    if (s instanceof BlockTree) {
      block((BlockTree) s, out);
    } else if (s instanceof ExpressionStatementTree) {
      expression(((ExpressionStatementTree) s).getExpression(), out);
    } else if (s instanceof IfTree) {
      IfTree i = (IfTree) s;
      StringBuilder then = new StringBuilder();
      statement(i.getThenStatement(), then);
      if (then.length() > 0 || i.getElseStatement() == null) {
        out.append(then);
      } else {
        statement(i.getElseStatement(), out);
      }
    } else if (s instanceof WhileLoopTree) {
      statement(((WhileLoopTree) s).getStatement(), out);
    } else if (s instanceof ForLoopTree) {
      statement(((ForLoopTree) s).getStatement(), out);
    } else if (s instanceof DoWhileLoopTree) {
      statement(((DoWhileLoopTree) s).getStatement(), out);
    } else if (s instanceof TryTree) {
      block(((TryTree) s).getBlock(), out);
    } else if (s instanceof VariableTree && ((VariableTree) s).getInitializer() != null) {
      String v = constant(((VariableTree) s).getInitializer());
      if (v != null) values.put(((VariableTree) s).getName().toString(), v);
    }
  }

  private void expression(ExpressionTree e, StringBuilder out) {
    if (e instanceof AssignmentTree) {
      AssignmentTree a = (AssignmentTree) e;
      String v = constant(a.getExpression());
      if (v != null) values.put(a.getVariable().toString().replaceFirst("^this\\.", ""), v);
      return;
    }
    if (!(e instanceof MethodInvocationTree)) return;
    MethodInvocationTree call = (MethodInvocationTree) e;
    String name = call.getMethodSelect().toString().replaceFirst("^this\\.", "");
    if (name.equals("qnhtml_text") && call.getArguments().size() == 1) {
      out.append(value(call.getArguments().get(0)));
    } else if (name.equals("qnhtml_send_web_value")) {
      String v = call.getArguments().size() == 1 ? constant(call.getArguments().get(0)) : null;
      out.append(v == null ? "v" : v.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
                                        .replace("\"", "&quot;"));
    } else if (methods.containsKey(name) && inlined.add(name)) {
      block(methods.get(name).getBody(), out);
    }
  }

  // A constant's text (a literal, or a variable known to hold one), else null.
  private String constant(ExpressionTree e) {
    while (e instanceof ParenthesizedTree) e = ((ParenthesizedTree) e).getExpression();
    while (e instanceof TypeCastTree) e = ((TypeCastTree) e).getExpression();
    if (e instanceof LiteralTree) return String.valueOf(((LiteralTree) e).getValue());
    if (e instanceof IdentifierTree) return values.get(e.toString());
    if (e instanceof MethodInvocationTree) return colour((MethodInvocationTree) e);
    return null;
  }

  // A colour of three constant numbers as "#RRGGBB", else null.
  private String colour(MethodInvocationTree call) {
    String name = call.getMethodSelect().toString();
    if (!(name.endsWith("getColor") || name.endsWith("rgb")) || call.getArguments().size() != 3) {
      return null;
    }
    StringBuilder hex = new StringBuilder("#");
    for (ExpressionTree a : call.getArguments()) {
      while (a instanceof TypeCastTree) a = ((TypeCastTree) a).getExpression();
      if (!(a instanceof LiteralTree) || !(((LiteralTree) a).getValue() instanceof Integer)) return null;
      hex.append(String.format("%02X", (Integer) ((LiteralTree) a).getValue() & 0xFF));
    }
    return hex.toString();
  }

  private String value(ExpressionTree e) {
    while (e instanceof ParenthesizedTree) e = ((ParenthesizedTree) e).getExpression();
    while (e instanceof TypeCastTree) e = ((TypeCastTree) e).getExpression();
    if (e instanceof LiteralTree) return String.valueOf(((LiteralTree) e).getValue());
    if (e instanceof BinaryTree && e.getKind() == Tree.Kind.PLUS) {
      BinaryTree b = (BinaryTree) e;
      return value(b.getLeftOperand()) + value(b.getRightOperand());
    }
    if (e instanceof ConditionalExpressionTree) {
      return value(((ConditionalExpressionTree) e).getTrueExpression());
    }
    if (e instanceof IdentifierTree && values.containsKey(e.toString())) {
      return values.get(e.toString());
    }
    if (e instanceof MethodInvocationTree) {
      MethodInvocationTree call = (MethodInvocationTree) e;
      String name = call.getMethodSelect().toString();
      if ((name.endsWith("convertURL") || name.endsWith("rtrim") || name.endsWith("ltrim")
           || name.endsWith(".trim")) && call.getArguments().size() == 1) {
        return value(call.getArguments().get(0));
      }
      if (name.endsWith("getHTMLColor") && call.getArguments().size() == 1) {
        String c = constant(call.getArguments().get(0));
        return c != null && c.startsWith("#") ? c : "#FFFFFF";
      }
      String c = colour(call);
      if (c != null) return c;
    }
    unknown.add(e.toString());
    return HOLE;
  }
}
