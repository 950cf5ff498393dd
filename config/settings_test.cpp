#include "config/settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "config/test_dir.h"
#include "host/run_state.h"

namespace qn::config {
namespace {

TEST(ConfigText, IntToBaseTextAndTrim) {
  struct Case {
    int64_t value;
    int base, width;
    const char* expected;
  };
  const Case cases[] = {
      {255, 16, 4, "00FF"}, {61, 62, 1, "z"}, {0, 10, 0, "0"},         {0, 2, 3, "000"},
      {35, 36, 0, "Z"},     {36, 62, 0, "a"}, {12345, 10, 2, "12345"}, {-1, 16, 0, "FFFFFFFF"},
      {5, 2, -4, "101"},    {10, 1, 4, ""},   {10, 63, 4, ""},         {10, 0, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IntToBaseText(c.value, c.base, c.width), c.expected) << c.value << " base " << c.base;
  }
  EXPECT_EQ(IntToBaseText(1, 10, 1 << 30).size(), 10240u);  // a width beyond any buffer is capped

  const std::pair<std::string, std::string> trims[] = {
      {"abc \t ", "abc"}, {"  abc", "  abc"}, {" \t", ""}, {"a b", "a b"}, {"x\n", "x\n"}};
  for (const auto& [in, out] : trims) {
    std::string s = in;
    rtrim(s);
    EXPECT_EQ(s, out);
    char buf[16];
    std::strcpy(buf, in.c_str());
    EXPECT_STREQ(rtrim(buf), out.c_str());
  }
  char buf[16];
  char* end = strcpy_end(buf, "abc");
  EXPECT_EQ(end, buf + 3);
  EXPECT_EQ(*end, '\0');
}

using ConfigSettings = ConfigDirTest;

TEST_F(ConfigSettings, GeneratorDirAndVersionSwitch) {
  std::string out = "old";
  EXPECT_EQ(GetGeneratorDir(out), 0);  // no QN.INI
  EXPECT_EQ(out, "");
  EXPECT_EQ(get_ide_version_switch(), 0);

  write("program/QN.INI",
        "[Generator]\nGen11=Java Generator\nGen12=Broken\n"
        "[Java Generator]\nPath=GEN\\JAVA\n"
        "[QNW]\nVersion=3\n");
  forget_ide_version_switch();
  EXPECT_EQ(GetGeneratorDir(out), 1);
  EXPECT_EQ(out, (root_ / "program").string() + "/GEN\\JAVA");
  EXPECT_EQ(get_ide_version_switch(), 3);
  host::run_state().generator_id = 12;  // its section has no Path
  EXPECT_EQ(GetGeneratorDir(out), 0);
  EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace qn::config
