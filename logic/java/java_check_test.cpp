// The frame of every class kind judged by the JDK: each parses, and the
// kinds that stand in a source of their own compile against the runtime
// stand-in, as does the placeholder class.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/messages.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/unsupported.h"
#include "logic/program/expressions.h"
#include "platform/cp1252.h"
#include "tests/java_check/java_check.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;

// Writes every file the run captured into dir, named as the writer would.
std::vector<std::string> write_captured(Run& run, const fs::path& dir) {
  std::vector<std::string> out;
  for (const CapturedFile& f : run.capture()->files) {
    const size_t cut = f.path.find_last_of("\\/");
    const fs::path path = dir / (cut == std::string::npos ? f.path : f.path.substr(cut + 1));
    std::ofstream o(path, std::ios::binary);
    for (const std::string& l : f.lines) o << l << '\n';
    out.push_back(path.string());
  }
  return out;
}

TEST(JavaCheck, EveryClassKindFrameParsesAndStandAloneKindsCompile) {
  if (!test::java::available())
    FAIL() << "no JDK: install the Debian package openjdk-17-jdk-headless (scripts/setup does)";
  const fs::path dir = fs::temp_directory_path() / ("qn_java_frames_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "classes");

  struct Kind {
    const char* kind;
    bool stand_alone;
  } kinds[] = {
      {"tab", true},
      {"sup", true},
      {"proc", true},
      {"rpt", true},
      {"scr", true},
      {"trn", true},
      {"web", true},
      {"mbr", true},
      {"mreorg", true},
      {"reorg", true},
      {"ce", true},
      {"crtjdbc", true},
      {"cfg", true},
      // An element class without its members does not compile: the
      // runtime's element declares them abstract.
      {"sfobj", false},
      {"dummy", true},
      {"updsup", false},
      {"fwdsup", false},
      {"call", false},
      {"event", false},
      {"load", false},
      {"mouseadapter", false},
      {"bmpactionlistener", false},
      {"stub", false},
      {"focuslistener", false},
      {"subfflow", false},
      {"actionlistener", false},
      {"itemlistener", false},
  };
  std::vector<std::string> all, stand_alone;
  for (const Kind& k : kinds) {
    SCOPED_TRACE(k.kind);
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(eng.consult_text("rule_i(0, prop('PACKAGE', 'com.demo.app')).", false));
    run.capture_output();
    const std::string name = std::string("F") + k.kind;
    ASSERT_TRUE(gen_class_start(run, 0, k.kind, name, name, "inm"));
    ASSERT_TRUE(emit_method_header(
        run, "execute", "public ", "void",
        {engine::Term::string("int a"), *engine::parse_term("[obj('QNInt'), aP0]"),
         engine::Term::string("String c")},
        ""));
    ASSERT_TRUE(emit_method_end(run) && emit_class_end(run));
    const auto files = write_captured(run, dir);
    all.insert(all.end(), files.begin(), files.end());
    if (k.stand_alone) stand_alone.insert(stand_alone.end(), files.begin(), files.end());
  }
  // The placeholder class of an object.
  engine::Engine eng;
  logic::Run run(eng);
  ASSERT_TRUE(eng.consult_text("spec_i([proc, 2, 'P', 'PrintInv', 0, 0]).", false));
  run.capture_output();
  ASSERT_TRUE(gen_unsupported_object(run, 2, *engine::parse_term("[proc, 'P', 'PrintInv', 0, 0]")));
  const auto placeholder = write_captured(run, dir);
  stand_alone.insert(stand_alone.end(), placeholder.begin(), placeholder.end());

  const test::java::Result parsed = test::java::parse(all);
  EXPECT_EQ(parsed.status, 0) << parsed.output;
  const test::java::Result compiled =
      test::java::compile_against_stub(stand_alone, (dir / "classes").string());
  EXPECT_EQ(compiled.status, 0) << compiled.output;
  fs::remove_all(dir);
}

// Every writer of string literals, on texts Java must escape: each literal
// compiles, and a program run on them finds exactly the text's characters.
TEST(JavaCheck, StringLiteralsHoldTheirText) {
  if (!test::java::available())
    FAIL() << "no JDK: install the Debian package openjdk-17-jdk-headless (scripts/setup does)";
  const std::string texts[] = {
      "A\"B",
      "C:\\dir\\",
      "tab\there\nnew\rline\x01\x1f",
      "end */ of comment",
      "caf\xE9 \x80",
      "\x81\x8D\x8F\x90\x9D",
      "\\u000a stays text",
      "'quoted'",
      "",
  };
  // The literal of each writer, cut out of the text it is written in.
  const auto cut = [](const std::string& s, std::string_view before, std::string_view after) {
    EXPECT_TRUE(s.starts_with(before) && s.ends_with(after)) << s;
    return s.substr(before.size(), s.size() - before.size() - after.size());
  };
  engine::Engine eng;
  logic::Run run(eng);
  std::string checks;
  int n = 0;
  for (const std::string& text : texts) {
    std::string want;
    for (char c : text) want += ", " + std::to_string(platform::utf16_of_1252(uint8_t(c)));
    const std::string literals[] = {
        java_quoted(text),
        java_string_literal("'" + text + "'"),
        escape_quotes("'" + text + "'"),
        escape_quotes("\"" + text + "\""),
        to_string_literal(engine::Term::string(text)),
        to_string_literal(engine::Term::string("\"" + text + "\"")),
        type_constant(engine::Term::atom("char"), text),
        cut(type_constant(engine::Term::atom("date"), text), "localUtil.ctod(", ")"),
        cut(*msg_text(run, engine::Term::string(text)), "localUtil.getMessages().getMessage(", ")"),
    };
    for (const std::string& l : literals) {
      checks += "    check(" + std::to_string(n++) + ", " + l + want + ");\n";
    }
  }
  const fs::path dir =
      fs::temp_directory_path() / ("qn_java_literals_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "classes");
  const fs::path file = dir / "Literals.java";
  std::ofstream(file, std::ios::binary)
      << "public class Literals {\n"
         "  static int bad = 0;\n"
         "  static void check(int n, String s, int... want) {\n"
         "    boolean same = s.length() == want.length;\n"
         "    for (int i = 0; same && i < want.length; ++i) same = s.charAt(i) == want[i];\n"
         "    if (!same) { ++bad; System.out.println(\"literal \" + n + \" holds \" + s); }\n"
         "  }\n"
         "  public static void main(String[] args) {\n"
      << checks << "    System.exit(bad == 0 ? 0 : 1);\n  }\n}\n";
  const auto compiled =
      test::java::compile_against_stub({file.string()}, (dir / "classes").string());
  ASSERT_EQ(compiled.status, 0) << compiled.output;
  const auto ran =
      test::java::detail::run(test::java::detail::quoted(QN_JAVA) + " -cp " +
                              test::java::detail::quoted((dir / "classes").string()) + " Literals");
  EXPECT_EQ(ran.status, 0) << ran.output;
  fs::remove_all(dir);
}

}  // namespace
}  // namespace qn::logic
