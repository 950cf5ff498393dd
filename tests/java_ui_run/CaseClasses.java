// The classes of a case: every .java of the given folders compiled with the
// JDK's compiler against the class path of the run (the runtime stand-in),
// into a fresh temporary folder, and loaded from there.
import java.io.File;
import java.io.IOException;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Comparator;
import java.util.List;
import java.util.stream.Stream;
import javax.tools.JavaCompiler;
import javax.tools.StandardJavaFileManager;
import javax.tools.ToolProvider;

final class CaseClasses {
  private CaseClasses() {}

  // Null, with the compiler's messages on standard error, when the sources
  // do not compile.
  static ClassLoader compile(List<String> folders) throws IOException {
    List<File> sources = new ArrayList<>();
    for (String folder : folders) {
      try (Stream<Path> files = Files.list(Path.of(folder))) {
        files.filter(p -> p.toString().endsWith(".java")).sorted().forEach(p -> sources.add(p.toFile()));
      }
    }
    if (sources.isEmpty()) {
      System.err.println("no .java in " + folders);
      return null;
    }
    Path out = Files.createTempDirectory("java_ui_run");
    Runtime.getRuntime().addShutdownHook(new Thread(() -> remove(out)));
    JavaCompiler compiler = ToolProvider.getSystemJavaCompiler();
    if (compiler == null) {
      System.err.println("no Java compiler: install the Debian package openjdk-17-jdk-headless");
      return null;
    }
    try (StandardJavaFileManager files =
             compiler.getStandardFileManager(null, null, Charset.forName("windows-1252"))) {
      List<String> options = List.of("-nowarn", "-XDsuppressNotes", "-proc:none", "-encoding", "windows-1252", "-cp",
          System.getProperty("java.class.path"), "-d", out.toString());
      boolean ok = compiler.getTask(null, files, null, options, null,
          files.getJavaFileObjectsFromFiles(sources)).call();
      if (!ok) return null;
    }
    return new URLClassLoader(new URL[] {out.toUri().toURL()}, CaseClasses.class.getClassLoader());
  }

  private static void remove(Path folder) {
    try (Stream<Path> all = Files.walk(folder)) {
      all.sorted(Comparator.reverseOrder()).forEach(p -> p.toFile().delete());
    } catch (IOException e) {
      // a temporary folder left behind
    }
  }
}
