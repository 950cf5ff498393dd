// The golden cases of the web panels (testdata/): each
// case's files as expected, and every expected class compiles against the
// runtime stand-in with the hand-written classes of its javac/ folder.
#include "logic/core/golden.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/java_check/java_check.h"

namespace qn::logic::golden {
namespace {

const fs::path kArea = fs::path(QN_SOURCE_DIR) / "logic/web";
const fs::path kActual = fs::path(QN_BINARY_DIR) / "golden/logic/web";

class WebGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(WebGolden, GeneratedFilesAreExpectedAndCompile) {
  const fs::path dir = kArea / "testdata" / GetParam();
  // The pages' scripts hold message texts, which a run has loaded by then.
  Options options;
  options.prepare = [](qn::logic::Run& run) {
    EXPECT_TRUE(run.engine().consult_text(read_text(QN_SOURCE_DIR "/data/QNMSGJ.ARI"), false));
  };
  const Outcome outcome = run_case(dir, options);
  EXPECT_EQ(outcome.error, "");
  EXPECT_FALSE(outcome.files.empty()) << "the case wrote no file";
  const std::string report = compare(dir / "expected", outcome, kActual / GetParam() / "actual");
  EXPECT_TRUE(report.empty()) << report;

  ASSERT_TRUE(test::java::available()) << "no JDK: install default-jdk-headless";
  const test::java::Result built = test::java::compile_golden_case(dir, kActual / GetParam() / "classes");
  EXPECT_EQ(built.status, 0) << built.output;
}

INSTANTIATE_TEST_SUITE_P(Cases, WebGolden, ::testing::ValuesIn(case_names(kArea)),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                           return param.param;
                         });

}  // namespace
}  // namespace qn::logic::golden
