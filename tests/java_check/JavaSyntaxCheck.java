// Parses Java source files with the JDK's own compiler and reports every
// syntax error. Only parsing runs: names and types are not resolved, so a
// generated class is checked without the runtime library it is written for.
//
//   java -cp <dir> JavaSyntaxCheck FILE...
//
// Exit status 0 when every file parses, 1 when any has an error, 2 when no
// file was given or the JDK has no compiler.
import com.sun.source.util.JavacTask;
import java.nio.charset.Charset;
import java.util.List;
import javax.tools.Diagnostic;
import javax.tools.DiagnosticCollector;
import javax.tools.JavaCompiler;
import javax.tools.JavaFileObject;
import javax.tools.StandardJavaFileManager;
import javax.tools.ToolProvider;

public final class JavaSyntaxCheck {
  public static void main(String[] args) throws Exception {
    if (args.length == 0) {
      System.err.println("usage: JavaSyntaxCheck FILE...");
      System.exit(2);
    }
    JavaCompiler compiler = ToolProvider.getSystemJavaCompiler();
    if (compiler == null) {
      System.err.println("JavaSyntaxCheck: this Java runtime has no compiler");
      System.exit(2);
    }
    DiagnosticCollector<JavaFileObject> diagnostics = new DiagnosticCollector<>();
    int errors = 0;
    try (StandardJavaFileManager files =
             compiler.getStandardFileManager(diagnostics, null, Charset.forName("windows-1252"))) {
      Iterable<? extends JavaFileObject> units = files.getJavaFileObjects(args);
      JavacTask task = (JavacTask) compiler.getTask(null, files, diagnostics,
          List.of("-proc:none"), null, units);
      task.parse();
    }
    for (Diagnostic<? extends JavaFileObject> d : diagnostics.getDiagnostics()) {
      if (d.getKind() != Diagnostic.Kind.ERROR) continue;
      ++errors;
      String file = d.getSource() == null ? "?" : d.getSource().getName();
      System.err.println(file + ":" + d.getLineNumber() + ":" + d.getColumnNumber() + ": "
          + d.getMessage(null));
    }
    System.exit(errors == 0 ? 0 : 1);
  }
}
