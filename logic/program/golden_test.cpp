// The golden cases of the procedure and report classes (testdata/): each
// case's files as expected, and every expected class compiles against the
// runtime stand-in with the hand-written classes of its javac/ folder.
#include "logic/core/golden.h"
#include "logic/core/out.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/java_check/java_check.h"

namespace qn::logic::golden {
namespace {

const fs::path kArea = fs::path(QN_SOURCE_DIR) / "logic/program";
const fs::path kActual = fs::path(QN_BINARY_DIR) / "golden/logic/program";

class ProgramGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(ProgramGolden, GeneratedFilesAreExpectedAndCompile) {
  const fs::path dir = kArea / "testdata" / GetParam();
  Options options;
  if (GetParam().starts_with("http_")) {
    // The web parameters' initialisation is the web-panel generator's: a
    // comment stands for it.
    options.prepare = [](qn::logic::Run& run) {
      run.stand_in_host("gen_initpars_call", 0, [](qn::logic::Run& r, std::span<engine::Term>) {
        return Out(r).pieces({"/* web parameters */"}).ok();
      });
    };
  }
  const Outcome outcome = run_case(dir, options);
  EXPECT_EQ(outcome.error, "");
  EXPECT_FALSE(outcome.files.empty()) << "the case wrote no file";
  const std::string report = compare(dir / "expected", outcome, kActual / GetParam() / "actual");
  EXPECT_TRUE(report.empty()) << report;

  ASSERT_TRUE(test::java::available()) << "no JDK: install default-jdk-headless";
  std::vector<std::string> sources;
  for (const fs::path& folder : {dir / "expected", dir / "javac"}) {
    if (!fs::is_directory(folder)) continue;
    for (const auto& e : fs::directory_iterator(folder)) {
      if (e.path().extension() == ".java") sources.push_back(e.path().string());
    }
  }
  const fs::path classes = kActual / GetParam() / "classes";
  fs::remove_all(classes);
  fs::create_directories(classes);
  const test::java::Result built = test::java::compile_against_stub(sources, classes.string());
  EXPECT_EQ(built.status, 0) << built.output;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramGolden, ::testing::ValuesIn(case_names(kArea)),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                           return param.param;
                         });

}  // namespace
}  // namespace qn::logic::golden
