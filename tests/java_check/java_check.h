// The JDK's judgement of generated Java, for the logic suites: parse a file
// with JavaSyntaxCheck, or compile it with javac against the runtime
// stand-in of tests/java_runtime_stub/. Link qn_java_check for the paths.
// Test support only.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace qn::test::java {

// The JDK was found when the build was configured (in CI always).
inline bool available() { return std::string(QN_JAVA_CHECK_DIR).size() > 0; }

struct Result {
  int status = -1;     // 0: every file passed
  std::string output;  // the JDK's messages
};

namespace detail {

inline std::string quoted(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

inline Result run(const std::string& command) {
  Result r;
  FILE* p = ::popen((command + " 2>&1").c_str(), "r");
  if (!p) return r;
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.output.append(buf, n);
  const int status = ::pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

}  // namespace detail

// Parses the files (syntax only).
inline Result parse(const std::vector<std::string>& files) {
  std::string cmd =
      detail::quoted(QN_JAVA) + " -cp " + detail::quoted(QN_JAVA_CHECK_DIR) + " JavaSyntaxCheck";
  for (const std::string& f : files) cmd += " " + detail::quoted(f);
  return detail::run(cmd);
}

// Compiles the files against the runtime stand-in; classes go to out_dir.
inline Result compile_against_stub(const std::vector<std::string>& files,
                                   const std::string& out_dir) {
  std::string cmd = detail::quoted(QN_JAVAC) + " -nowarn -proc:none -encoding windows-1252 -cp " +
                    detail::quoted(QN_JAVA_STUB_DIR) + " -d " + detail::quoted(out_dir);
  for (const std::string& f : files) cmd += " " + detail::quoted(f);
  return detail::run(cmd);
}

// Compiles a golden case's expected classes with the hand-written ones of
// its javac/ folder (the classes they call) into out_dir, made anew. A case
// without Java gives status 0 and no output.
inline Result compile_golden_case(const std::filesystem::path& dir,
                                  const std::filesystem::path& out_dir) {
  namespace fs = std::filesystem;
  std::vector<std::string> sources;
  std::vector<fs::path> renamed;
  for (const fs::path& folder : {dir / "expected", dir / "javac"}) {
    if (!fs::is_directory(folder)) continue;
    for (const auto& e : fs::directory_iterator(folder)) {
      if (e.path().extension() == ".java") sources.push_back(e.path().string());
      // A class written under a temporary name (Stem.jtm, renamed by the
      // copy list) compiles under its class's name.
      if (e.path().extension() == ".jtm") renamed.push_back(e.path());
    }
  }
  if (sources.empty() && renamed.empty()) return Result{0, ""};
  fs::remove_all(out_dir);
  fs::create_directories(out_dir / "renamed");
  for (const fs::path& p : renamed) {
    std::FILE* in = std::fopen(p.string().c_str(), "rb");
    if (!in) continue;
    std::string text;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, in)) > 0;) text.append(buf, n);
    std::fclose(in);
    const std::string head = "public final class ";
    const size_t at = text.find(head);
    if (at == std::string::npos) continue;
    const size_t from = at + head.size();
    const std::string name = text.substr(from, text.find_first_of(" \n{", from) - from);
    const fs::path to = out_dir / "renamed" / (name + ".java");
    fs::copy_file(p, to, fs::copy_options::overwrite_existing);
    sources.push_back(to.string());
  }
  return compile_against_stub(sources, out_dir.string());
}

}  // namespace qn::test::java
