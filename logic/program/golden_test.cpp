// The golden cases of the procedure and report classes (testdata/): each
// case's files as expected, and every expected class compiles against the
// runtime stand-in with the hand-written classes of its javac/ folder.
#include "logic/core/golden.h"
#include "logic/core/out.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/cp1252.h"
#include "tests/java_check/java_check.h"
#include "tests/menu_check/menu_check.h"

namespace qn::logic::golden {
namespace {

const fs::path kArea = fs::path(QN_SOURCE_DIR) / "logic/program";
const fs::path kActual = fs::path(QN_BINARY_DIR) / "golden/logic/program";

class ProgramGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(ProgramGolden, GeneratedFilesAreExpectedAndCompile) {
  const fs::path dir = kArea / "testdata" / GetParam();
  Options options;
  // The form writer's path of a bitmap (not written yet): backslashes as
  // "/", lower-cased, a ".bmp" file as its ".gif".
  options.prepare = [](qn::logic::Run& run) {
    run.stand_in_host("norm_path_slashes", 2, [](qn::logic::Run&, std::span<engine::Term> a) {
      std::string p = platform::lower_1252(a[0].text());
      for (char& c : p) c = c == '\\' ? '/' : c;
      if (p.ends_with(".bmp")) p.replace(p.size() - 4, 4, ".gif");
      a[1] = engine::Term::string(p);
      return true;
    });
  };
  const Outcome outcome = run_case(dir, options);
  EXPECT_EQ(outcome.error, "");
  EXPECT_FALSE(outcome.files.empty()) << "the case wrote no file";
  const std::string report = compare(dir / "expected", outcome, kActual / GetParam() / "actual");
  EXPECT_TRUE(report.empty()) << report;

  // A menu bar's script: its tree is the menu facts' (read by hand from
  // each case's facts.pl).
  const std::map<std::string, std::string> trees = {
      {"mbr_tree", "File(Open,QnSep_4_2,Recent(Recent1)),View(Grid)"},
      {"mbr_events", "Go(Customers,Clear,About)"},
      {"mbr_sample", "Customers(List,QnSep_4_2,Invoices(Today,Clear),Archive)"},
      {"webmenu", "FILE(QnSep_3_2,Customer's,Path),Cafe(Back,R&D)"},
  };
  for (const auto& e : fs::directory_iterator(dir / "expected")) {
    if (e.path().extension() != ".js") continue;
    SCOPED_TRACE(e.path().filename().string());
    const auto verdict =
        test::menu::judge_menu_script(read_text(e.path()), e.path().stem().string() + "XML");
    EXPECT_EQ(verdict.error, "");
    EXPECT_EQ(verdict.outline, trees.count(GetParam()) ? trees.at(GetParam()) : "(no tree given)");
  }

  ASSERT_TRUE(test::java::available()) << "no JDK: install default-jdk-headless";
  const test::java::Result built = test::java::compile_golden_case(dir, kActual / GetParam() / "classes");
  EXPECT_EQ(built.status, 0) << built.output;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramGolden, ::testing::ValuesIn(case_names(kArea)),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                           return param.param;
                         });

}  // namespace
}  // namespace qn::logic::golden
