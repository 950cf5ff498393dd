#include "office/shared.h"

#include <gtest/gtest.h>

namespace qn::office {
namespace {

TEST(CompleteFileName, ExtensionAddedUnlessTheLastDotFollowsTheLastSeparator) {
  struct Case {
    const char* given;
    const char* completed;  // null: refused
  };
  const Case cases[] = {
      {"report", "report.xls"},
      {"c:\\my.dir\\report", "c:\\my.dir\\report.xls"},
      {"c:\\my.dir\\report.txt", "c:\\my.dir\\report.txt"},
      {"data.csv", "data.csv"},
      {"/home/a.b/report", "/home/a.b/report.xls"},
      {" \t report \n", "report.xls"},
      {"   ", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given);
    std::string name = c.given;
    ASSERT_EQ(complete_file_name(&name, ".xls"), c.completed != nullptr);
    EXPECT_EQ(name, c.completed ? c.completed : "");
  }
}

TEST(MacroArguments, FlagsLeftUnsetGoAsMissing) {
  com::VARIANT flag;
  com::VariantInit(&flag);
  flag.vt = com::VT_BOOL;
  com::VARIANT number = com::i4_variant(4);
  auto args = macro_arguments(com::text_variant("M"), {&flag, &number});
  ASSERT_EQ(args.size(), 3u);
  EXPECT_EQ(args[0].vt, com::VT_BSTR);
  EXPECT_EQ(args[1].vt, com::VT_ERROR);
  EXPECT_EQ(args[1].scode, VariantMissing.scode);
  EXPECT_EQ(args[2].lVal, 4);
  for (auto& a : args) com::VariantClear(&a);
}

}  // namespace
}  // namespace qn::office
