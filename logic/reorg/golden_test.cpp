// The golden cases of the database creation and reorganisation programs
// (testdata/<case>/): facts.pl holds the object's specification
// (spec_i/1, new_tables/3, ren_i/2), its options and the knowledge base's
// answers (logic/sql/ddl/ddl_fixture.h); expected/ every file the object
// writes, and errors.txt the run's error log when it has one. Every
// expected class compiles against the runtime stand-in together with the
// hand-written classes of the case's javac/ folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "logic/core/golden.h"
#include "logic/core/spec_files.h"
#include "logic/reorg/reorg_object.h"
#include "logic/sql/ddl/ddl_fixture.h"
#include "tests/java_check/java_check.h"

namespace qn::logic::reorg {
namespace {

namespace fs = std::filesystem;
using engine::Term;

const fs::path kArea = fs::path(QN_SOURCE_DIR) / "logic/reorg";
const fs::path kActual = fs::path(QN_BINARY_DIR) / "golden/logic/reorg";

golden::Outcome run_case(const fs::path& dir) {
  golden::Outcome out;
  // The message file first: loading a file clears the object's facts.
  ddl::test::DdlFixture f;
  if (!load_spec_file(f.run, QN_SOURCE_DIR "/data/QNMSGJ.ARI")) {
    out.error = "the message file cannot be read";
    return out;
  }
  if (!f.run.facts().exists(Term::compound("model_num_i", {Term::fresh_var()}))) f.add("model_num_i(5).");
  f.add(golden::read_text(dir / "facts.pl"));
  // The knowledge base holds the model alone, for the folder its classes
  // go to; the fixture answers every question about its tables.
  const fs::path model_kb = kActual / (dir.filename().string() + ".kb.txt");
  fs::create_directories(kActual);
  std::ofstream(model_kb) << "mdl model=5 name=REORG path=.\n";
  golden::detail::CaseKb kb(model_kb, 5);
  const auto spec = spec_list(f.run);
  if (!spec || spec->list_items().size() < 4 || !spec->list_items()[1].is_int()) {
    out.error = "facts.pl has no spec_i([ce, Number, Title, Name | Rest])";
    return out;
  }
  const bool ok = gen_reorg_object(f.run, 5, spec->list_items()[1].as_int(), spec->tail().tail().tail());
  for (const CapturedFile& cf : f.run.capture()->files) {
    const std::size_t cut = cf.path.find_last_of("\\/");
    golden::File file{cut == std::string::npos ? cf.path : cf.path.substr(cut + 1), ""};
    for (const std::string& l : cf.lines) file.text += l + "\n";
    if (!cf.closed) out.error += file.name + " was left open. ";
    out.files.push_back(file);
  }
  if (!f.errors.empty() || !ok) {
    golden::File file{"errors.txt", ok ? "" : "(the object failed)\n"};
    for (const std::string& e : f.errors) file.text += e + "\n";
    out.files.push_back(file);
  }
  return out;
}

class ReorgGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(ReorgGolden, GeneratedFilesAreExpectedAndCompile) {
  const fs::path dir = kArea / "testdata" / GetParam();
  const golden::Outcome outcome = run_case(dir);
  EXPECT_EQ(outcome.error, "");
  const std::string report = golden::compare(dir / "expected", outcome, kActual / GetParam() / "actual");
  EXPECT_TRUE(report.empty()) << report;

  ASSERT_TRUE(test::java::available()) << "no JDK: install default-jdk-headless";
  const test::java::Result built = test::java::compile_golden_case(dir, kActual / GetParam() / "classes");
  EXPECT_EQ(built.status, 0) << built.output;
}

INSTANTIATE_TEST_SUITE_P(Cases, ReorgGolden, ::testing::ValuesIn(golden::case_names(kArea)),
                         [](const ::testing::TestParamInfo<std::string>& param) { return param.param; });

}  // namespace
}  // namespace qn::logic::reorg
