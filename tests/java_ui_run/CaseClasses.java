// The classes of a case: every .java of the given folders (and every .jtm,
// a class the copy list renames, under its class's name) compiled with the
// JDK's compiler against the class path of the run (the runtime stand-in),
// into a fresh temporary folder, and loaded from there.
import java.io.File;
import java.io.IOException;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;
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
    return compile(folders, null);
  }

  // With a package, a source without a package line is compiled in that
  // package (a golden case's class as a model's package holds it).
  static ClassLoader compile(List<String> folders, String packageName) throws IOException {
    Path out = Files.createTempDirectory("java_ui_run");
    Runtime.getRuntime().addShutdownHook(new Thread(() -> remove(out)));
    List<File> sources = new ArrayList<>();
    for (String folder : folders) {
      try (Stream<Path> files = Files.list(Path.of(folder))) {
        for (Path p : files.filter(f -> f.toString().endsWith(".java") || f.toString().endsWith(".jtm"))
                          .sorted().toList()) {
          if (p.toString().endsWith(".jtm")) p = underClassName(p, out);
          sources.add(packageName == null ? p.toFile() : inPackage(p, packageName, out));
        }
      }
    }
    if (sources.isEmpty()) {
      System.err.println("no .java in " + folders);
      return null;
    }
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

  // A copy of a .jtm source named after the class it declares.
  private static Path underClassName(Path source, Path out) throws IOException {
    String text = new String(Files.readAllBytes(source), StandardCharsets.ISO_8859_1);
    java.util.regex.Matcher m = java.util.regex.Pattern.compile("\\bclass\\s+(\\w+)").matcher(text);
    String name = m.find() ? m.group(1) : source.getFileName().toString().replace(".jtm", "");
    Path copy = out.resolve("jtm").resolve(name + ".java");
    Files.createDirectories(copy.getParent());
    Files.copy(source, copy);
    return copy;
  }

  private static File inPackage(Path source, String packageName, Path out) throws IOException {
    byte[] text = Files.readAllBytes(source);
    if (new String(text, StandardCharsets.ISO_8859_1).lines().anyMatch(l -> l.startsWith("package "))) {
      return source.toFile();
    }
    Path copy = out.resolve("src").resolve(source.getFileName());
    Files.createDirectories(copy.getParent());
    byte[] head = ("package " + packageName + ";\n").getBytes(StandardCharsets.ISO_8859_1);
    byte[] all = new byte[head.length + text.length];
    System.arraycopy(head, 0, all, 0, head.length);
    System.arraycopy(text, 0, all, head.length, text.length);
    Files.write(copy, all);
    return copy.toFile();
  }

  private static void remove(Path folder) {
    try (Stream<Path> all = Files.walk(folder)) {
      all.sorted(Comparator.reverseOrder()).forEach(p -> p.toFile().delete());
    } catch (IOException e) {
      // a temporary folder left behind
    }
  }
}
