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
#include "logic/java/class_frame.h"
#include "logic/java/unsupported.h"
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
  if (!test::java::available()) GTEST_SKIP() << "no JDK when the build was configured";
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
      {"sfobj", true},
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

}  // namespace
}  // namespace qn::logic
