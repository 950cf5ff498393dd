// The golden cases of the rule core (testdata/), and the runner itself.
#include "logic/core/golden.h"

#include <gtest/gtest.h>

#include <string>

namespace qn::logic::golden {
namespace {

const fs::path kArea = fs::path(QN_SOURCE_DIR) / "logic/core";
const fs::path kActual = fs::path(QN_BINARY_DIR) / "golden/logic/core";

class LogicCoreGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(LogicCoreGolden, GeneratedFilesAreExpected) {
  const fs::path dir = kArea / "testdata" / GetParam();
  const Outcome outcome = run_case(dir);
  EXPECT_EQ(outcome.error, "");
  EXPECT_FALSE(outcome.files.empty()) << "the case wrote no file";
  const std::string report = compare(dir / "expected", outcome, kActual / GetParam() / "actual");
  EXPECT_TRUE(report.empty()) << report;
}

INSTANTIATE_TEST_SUITE_P(Cases, LogicCoreGolden, ::testing::ValuesIn(case_names(kArea)),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                           return param.param;
                         });

// The runner over a testdata folder of its own: a case that passes, the same
// case with one expected line changed, a case added later.
TEST(GoldenRunner, PassesFailsWithADiffAndFindsNewCases) {
  const fs::path root = fs::temp_directory_path() / ("qn_golden_" + std::to_string(::getpid()));
  fs::remove_all(root);
  const fs::path one = root / "area/testdata/one";
  fs::create_directories(one / "expected");
  fs::copy_file(kArea / "testdata/placeholder_mnu/facts.pl", one / "facts.pl");
  fs::copy_file(kArea / "testdata/placeholder_mnu/expected/mmainmenu.java",
                one / "expected/mmainmenu.java");
  EXPECT_EQ(case_names(root / "area"), (std::vector<std::string>{"one"}));

  const fs::path actual = root / "build/one/actual";
  EXPECT_EQ(compare(one / "expected", run_case(one), actual), "");
  EXPECT_EQ(read_text(actual / "mmainmenu.java"), read_text(one / "expected/mmainmenu.java"));

  // With a knowledge base beside the facts: the model is selected from it
  // while the case runs, and the current directory is back afterwards.
  const fs::path cwd = fs::current_path();
  fs::copy_file(fs::path(QN_SOURCE_DIR) / "examples/sample-model/kb.txt", one / "kb.txt");
  const Outcome with_kb = run_case(one);
  EXPECT_EQ(with_kb.error, "");
  EXPECT_EQ(compare(one / "expected", with_kb, actual), "");
  EXPECT_EQ(fs::current_path(), cwd);
  // A bad description fails the case with its reason, and leaves nothing behind.
  std::ofstream(one / "kb.txt") << "mdl model=x\n";
  EXPECT_NE(run_case(one).error.find("the case ended with an exception: "), std::string::npos);
  EXPECT_EQ(fs::current_path(), cwd);
  fs::remove(one / "kb.txt");

  // One changed line: the diff shows it with its context and where the
  // actual files are.
  std::string text = read_text(one / "expected/mmainmenu.java");
  const std::string from = "   public mmainmenu(int remoteHandle)\n";
  ASSERT_NE(text.find(from), std::string::npos);
  text.replace(text.find(from), from.size(), "   public mmainmenu(long remoteHandle)\n");
  std::ofstream(one / "expected/mmainmenu.java", std::ios::binary) << text;
  const std::string report = compare(one / "expected", run_case(one), actual);
  EXPECT_EQ(report,
            "--- expected/mmainmenu.java\n"
            "+++ actual/mmainmenu.java\n"
            "@@ -14,7 +14,7 @@\n"
            "    {\n"
            "    }\n"
            " \n"
            "-   public mmainmenu(long remoteHandle)\n"
            "+   public mmainmenu(int remoteHandle)\n"
            "    {\n"
            "    }\n"
            " \n"
            "actual files: " +
                actual.string() +
                "\n"
                "(after checking them, scripts/golden-update copies them over expected/)\n");

  // A file expected but not written, one written but not expected.
  fs::rename(one / "expected/mmainmenu.java", one / "expected/other.java");
  const std::string missing = compare(one / "expected", run_case(one), actual);
  EXPECT_NE(missing.find("expected/other.java was not written\n"), std::string::npos) << missing;
  EXPECT_NE(missing.find("mmainmenu.java was written but is not expected\n"), std::string::npos)
      << missing;

  // A new folder with facts is a case; one without is not.
  fs::create_directories(root / "area/testdata/two");
  fs::copy_file(one / "facts.pl", root / "area/testdata/two/facts.pl");
  fs::create_directories(root / "area/testdata/notes_only");
  EXPECT_EQ(case_names(root / "area"), (std::vector<std::string>{"one", "two"}));

  // Facts without an object cannot run.
  std::ofstream(root / "area/testdata/two/facts.pl") << "level_i(1, [a]).\n";
  EXPECT_EQ(run_case(root / "area/testdata/two").error,
            "facts.pl has no spec_i([Kind, Number, Title, Name | Rest])");
  fs::remove_all(root);
}

TEST(GoldenRunner, DiffOfTextsWithoutCommonLines) {
  EXPECT_EQ(unified_diff("a\nb\n", "c\n", "f"),
            "--- expected/f\n+++ actual/f\n@@ -1,2 +1,1 @@\n-a\n-b\n+c\n");
  EXPECT_EQ(unified_diff("a", "a\n", "f"),
            "--- expected/f\n+++ actual/f\n\\ expected has no newline at its end\n");
}

}  // namespace
}  // namespace qn::logic::golden
