#include "kb/kb_open.h"
#include "kb/model_queries.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "kb/kb_records.h"
#include "kb/kb_test_fixture.h"

namespace qn::kb {
namespace {

class KbOpen : public KbFixture {
 protected:
  void SetUp() override {
    KbFixture::SetUp();
    ::unsetenv("FILEPATH");
  }
  void TearDown() override {
    ::unsetenv("FILEPATH");
    KbFixture::TearDown();
  }
  static std::string model_name(int model) {
    MdlRecord key, rec;
    key.model = static_cast<int16_t>(model);
    return mdl(kMdlDataFile, kOpReadEqual, 0, key, rec) == kKbDone ? rec.name : "";
  }
};

TEST_F(KbOpen, CurrentDirectoryBeforeFilepath) {
  build("mdl model=1 name=HERE\n");
  build("mdl model=1 name=THERE\n", dir_ / "prog");
  ::setenv("FILEPATH", (dir_ / "prog").c_str(), 1);
  ASSERT_EQ(OpenKnowledgeBase(1), 1);
  EXPECT_EQ(param_file_name(), "PEFILES");
  EXPECT_EQ(model_name(1), "HERE");
  EXPECT_EQ(current_model(), 1);
}

TEST_F(KbOpen, FoundAlongFilepathAndNotReopened) {
  build("mdl model=2 name=THERE\n", dir_ / "prog");
  ::setenv("FILEPATH", ((dir_ / "none").string() + ";" + (dir_ / "prog").string() + "/").c_str(),
           1);
  ASSERT_EQ(OpenKnowledgeBase(2), 1);
  EXPECT_EQ(param_file_name(), (dir_ / "prog" / "PEFILES").string());
  // The set stays open: a second open does not read the files again.
  std::filesystem::remove(dir_ / "prog" / "knowledge.db");
  ASSERT_EQ(OpenKnowledgeBase(2), 1);
  EXPECT_EQ(model_name(2), "THERE");
}

TEST_F(KbOpen, ModelSelectionFailure) {
  build("mdl model=1 name=HERE\n");
  set_model_selector([](int) { return -1; });
  EXPECT_EQ(OpenKnowledgeBase(1), 0);
}

TEST_F(KbOpen, FailuresEndWithTheirInternalError) {
  struct Case {
    const char* what;
    std::function<void(const std::filesystem::path&)> prepare;
    const char* exception;  // the start of the exception text
    const char* log;        // a line of the error-log record
  } cases[] = {
      {"no parameter file", [](const auto&) {},
       "Internal Error 1 in function getisam\nISAM error: 13-",
       "Internal ERROR --> 1 in function: getisam\nISAM error: 13-"},
      {"no database named", [](const auto& d) { std::ofstream(d / "PEFILES") << "# empty\n"; },
       "Internal Error 1 in function getisam\nISAM error: 14-", "ISAM error: 14-"},
      {"database missing",
       [](const auto& d) { std::ofstream(d / "PEFILES") << "DATABASE=gone.db\n"; },
       "Internal Error 3 in function getisam\nISAM error: 12-",
       "Internal ERROR --> 3 in function: getisam"},
      {"database damaged",
       [](const auto& d) {
         std::ofstream(d / "PEFILES") << "DATABASE=bad.db\n";
         std::ofstream(d / "bad.db") << "not a database";
       },
       "Internal Error 3 in function getisam\nISAM error: 12-", "ISAM error: 12-"},
  };
  for (const auto& c : cases) {
    const auto d = dir_ / c.what;
    std::filesystem::create_directories(d);
    std::filesystem::current_path(d);
    c.prepare(d);
    const std::string text = internal_error([] { OpenKnowledgeBase(1); });
    EXPECT_EQ(text.substr(0, std::strlen(c.exception)), c.exception) << c.what;
    EXPECT_NE(error_log().find(c.log), std::string::npos) << c.what << "\n" << error_log();
    std::filesystem::remove(dir_ / "qnlog.err");
    close_isam();
  }
}

}  // namespace
}  // namespace qn::kb
