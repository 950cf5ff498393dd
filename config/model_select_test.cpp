#include "config/model_select.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "config/test_dir.h"
#include "platform/path.h"

namespace qn::config {
namespace {

// Keeps QNUSER as it was before the test.
class QnUserGuard {
 public:
  QnUserGuard() {
    if (const char* v = std::getenv("QNUSER")) saved_ = v;
  }
  ~QnUserGuard() {
    if (saved_) {
      ::setenv("QNUSER", saved_->c_str(), 1);
    } else {
      ::unsetenv("QNUSER");
    }
  }

 private:
  std::optional<std::string> saved_;
};

TEST(ConfigUserName, Order) {
  QnUserGuard guard;
  struct Case {
    const char* qnuser;                  // null: not set
    const char* given;                   // null: SetUserName not called
    std::optional<std::string> system;   // the system's answer
    std::string expected;
  };
  const Case cases[] = {
      {"envuser", "given", "sysuser", "envuser"},
      {"", "given", "sysuser", ""},  // set but empty still counts
      {nullptr, "given", "sysuser", "given"},
      {nullptr, nullptr, "sysuser", "sysuser"},
      {nullptr, nullptr, std::nullopt, "UNKNOWN"},
      {nullptr, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", std::nullopt, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"},
      {nullptr, nullptr, std::string(40, 'u'), std::string(30, 'u')},
  };
  for (const Case& c : cases) {
    reset_user_name();
    if (c.qnuser != nullptr) {
      ::setenv("QNUSER", c.qnuser, 1);
    } else {
      ::unsetenv("QNUSER");
    }
    platform::set_user_name_probe([&c] { return c.system; });
    if (c.given != nullptr) set_user_name(c.given);
    EXPECT_EQ(get_user_name(), c.expected) << c.expected;
  }
  // A failed system look-up is not repeated; a name given later is used.
  ::unsetenv("QNUSER");
  reset_user_name();
  int asked = 0;
  platform::set_user_name_probe([&asked] { ++asked; return std::optional<std::string>(); });
  EXPECT_EQ(get_user_name(), "UNKNOWN");
  EXPECT_EQ(get_user_name(), "UNKNOWN");
  EXPECT_EQ(asked, 1);
  set_user_name("late");
  EXPECT_EQ(get_user_name(), "late");
  platform::set_user_name_probe(nullptr);
  reset_user_name();
}

TEST(ConfigUserName, FirstEightLetters) {
  QnUserGuard guard;
  const std::pair<const char*, const char*> cases[] = {
      {"ADMINISTRATOR", "ADMINIST"}, {"bob", "bob"}, {"", "."}};
  for (const auto& [user, expected] : cases) {
    ::setenv("QNUSER", user, 1);
    char out[16];
    std::memset(out, 'x', sizeof out);
    char* end = put_user_name8(out);
    EXPECT_STREQ(out, expected);
    EXPECT_EQ(end, out + std::strlen(expected));
    EXPECT_EQ(put_user_name8(), expected);
  }
}

TEST(ConfigText, IntToBaseTextAndTrim) {
  struct Case {
    int64_t value;
    int base, width;
    const char* expected;
  };
  const Case cases[] = {
      {255, 16, 4, "00FF"}, {61, 62, 1, "z"},      {0, 10, 0, "0"},       {0, 2, 3, "000"},
      {35, 36, 0, "Z"},     {36, 62, 0, "a"},      {12345, 10, 2, "12345"}, {-1, 16, 0, "FFFFFFFF"},
      {5, 2, -4, "101"},    {10, 1, 4, ""},        {10, 63, 4, ""},         {10, 0, 0, ""},
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

using ConfigModelDir = ConfigDirTest;

TEST_F(ConfigModelDir, ChangeDirectory) {
  std::filesystem::create_directories(root_ / "Models" / "M1");
  write("Models/M1/model.ini", "[Model 001]\nType=J\n");
  const std::string root = root_.string();
  struct Case {
    std::string path;
    int result;
    std::filesystem::path cwd_after;  // empty: unchanged
  };
  const Case cases[] = {
      {root + "/Models/M1", 1, root_ / "Models" / "M1"},
      {"C:" + root + "\\MODELS\\m1\\", 1, root_ / "Models" / "M1"},  // drive letter, '\', case
      {root + "/Models/Absent", 0, {}},
      {"X:" + root + "/Models/Absent", 0, {}},
      {"", 1, {}},
      {"D:", 1, {}},
      {"..\\model", 1, root_ / "model"},  // relative to the current directory
  };
  for (const Case& c : cases) {
    std::filesystem::current_path(root_ / "model");
    SCOPED_TRACE(c.path);
    EXPECT_EQ(chdir_model_path(c.path), c.result);
    EXPECT_EQ(std::filesystem::current_path(), c.cwd_after.empty() ? root_ / "model" : c.cwd_after);
  }
  // The model file follows the model directory.
  std::filesystem::current_path(root_ / "model");
  EXPECT_EQ(platform::profile_string(model_ini_path(), "Model 001", "Type", ""), "");
  ASSERT_EQ(chdir_model_path(root + "/models/m1"), 1);
  EXPECT_EQ(platform::profile_string(model_ini_path(), "Model 001", "Type", ""), "J");
}

TEST_F(ConfigModelDir, GeneratorDirAndVersionSwitch) {
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
