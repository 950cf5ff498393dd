#include "platform/isam/writer/kb_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qn::isam {
namespace {

namespace fs = std::filesystem;

class KbTool : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) / ("kb_tool_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  int run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return run_kbtool(args, out_, err_);
  }
  std::string write_description(const std::string& text) {
    const std::string path = (dir_ / "kb.txt").string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  fs::path dir_;
  std::ostringstream out_, err_;
};

// One record of every family, every field form, in the dump's order.
constexpr const char* kEveryFamily =
    "mdl model=1 name=\"SAMPLE MODEL\" num1=12 att_name_len=5 flag2=1 path=MODELS\\M1\n"
    "mdl model=2 name=SECOND path=123456789012345678901234567890\n"
    "obj model=1 type=7 number=3 name=CUSTOMER text=\"Customers, \"\"all\"\"\" group=-4 status2=2\n"
    "att model=1 number=12 class=12 name=CUSTID type=N kind=1 value1=-7 value2=70000 decimals=2 "
    "code=3 "
    "length=-1 title=\"Customer id\" description=\"A long text\" picture=ZZ9\n"
    "att model=1 number=13 class=12 name=CUSTNO type=7 length=9999\n"
    "tba model=1 table=3 attribute=12 position=1000 kind=3 code=1\n"
    "ck model=1 table=3 key=1 primary=1\n"
    "ck model=1005 table=3 key=1\n"
    "cka model=1 table=3 key=1 attribute=12 sequence=1\n"
    "idx model=1 table=3 index=1 name=ICUST unique=1 flag2=2 flag3=1\n"
    "ixa model=1 table=3 index=1 attribute=12 ascending=1\n"
    "ocls model=1 type=7 last=4 name_len=8\n"
    "oinf model=1 type=7 number=3 kind=1 piece=1 string=2 value=-1 ref_type=999 ref_number=12 "
    "relation=32 "
    "text=\"trailing  \"\n"
    "oinf model=1 type=7 number=3 kind=15 text=Owner=abc\\nLocking=Y\\n\n"
    "qnio model=1 type=7 number=3 kind=2 time=4000000000\n";

TEST_F(KbTool, DumpGivesTheDescriptionBack) {
  ASSERT_EQ(run({"build", write_description(std::string("# comment\r\n\n") + kEveryFamily),
                 dir_.string()}),
            0)
      << err_.str();
  ASSERT_EQ(run({"dump", dir_.string()}), 0) << err_.str();
  EXPECT_EQ(out_.str(), kEveryFamily);
}

// The demo knowledge base of the query tests: the dump holds its records,
// each family's in the description's order.
TEST_F(KbTool, DumpGivesTheDemoFixtureBack) {
  const std::string path = std::string(QN_SOURCE_DIR) + "/tests/fixtures/demo-kb.txt";
  ASSERT_EQ(run({"build", path, dir_.string()}), 0) << err_.str();
  ASSERT_EQ(run({"dump", dir_.string()}), 0) << err_.str();
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  std::string expected;
  for (const FamilyDef& f : kb_families())
    for (const std::string& line : lines)
      if (line.substr(0, line.find(' ')) == f.name) expected += line + "\n";
  EXPECT_EQ(out_.str(), expected);
  EXPECT_NE(expected.find("mdl model=1005 "), std::string::npos);
}

TEST_F(KbTool, BadLineStopsTheBuild) {
  struct Case {
    const char* line;
    const char* reason;
  } cases[] = {
      {"xyz model=1", "unknown record family 'xyz'"},
      {"att numbr=3", "'numbr' is not a field of att"},
      {"att model", "'model' has no '=' and value"},
      {"att model=1 model=2", "field 'model' is given twice"},
      {"att model=32768", "value of 'model' is not a number in 0..32767"},
      {"att model=x", "value of 'model' is not a number in 0..32767"},
      {"att length=10000", "value of 'length' is not a number in -32768..9999"},
      {"att name=\"ABC", "the quoted value of 'name' has no closing quote"},
      {"att name=1234567890123456789012345678901", "text of 'name' is longer than 30 characters"},
      {"att type=12345", "value of 'type' is not one character or a code 0..255"},
      {"obj model=1 type=2 number=1", "type 2 is stored as type 1 in obj records"},
      {"ocls model=1 type=02", "type 2 is stored as type 1 in ocls records"},
      {"att model=1 number=12", "the key of this att record repeats line 1"},
  };
  for (const auto& c : cases) {
    const std::string desc = std::string("att model=1 number=12\n") + c.line + "\n";
    EXPECT_NE(run({"build", write_description(desc), dir_.string()}), 0) << c.line;
    EXPECT_EQ(err_.str(), (dir_ / "kb.txt").string() + ":2: " + c.reason + "\n") << c.line;
    EXPECT_FALSE(fs::exists(dir_ / "PEFILES")) << c.line;
    EXPECT_FALSE(fs::exists(dir_ / "knowledge.db")) << c.line;
  }
}

TEST_F(KbTool, FailedBuildKeepsTheKnowledgeBaseThere) {
  ASSERT_EQ(run({"build", write_description("ck model=1 table=2 key=3\n"), dir_.string()}), 0);
  EXPECT_NE(run({"build", write_description("ck model=1 table=2 key=3 bad\n"), dir_.string()}), 0);
  EXPECT_NE(run({"build", write_description("ck\n"), (dir_ / "kb.txt" / "nowhere").string()}), 0);
  ASSERT_EQ(run({"dump", dir_.string()}), 0);
  EXPECT_EQ(out_.str(), "ck model=1 table=2 key=3\n");
  EXPECT_EQ(run({"dump", (dir_ / "nowhere").string()}), 1);
  // A folder given as the description is refused, not read as an empty one.
  fs::create_directories(dir_ / "desc");
  EXPECT_EQ(run({"build", (dir_ / "desc").string(), dir_.string()}), 1);
  EXPECT_EQ(err_.str(), "kbtool: cannot read " + (dir_ / "desc").string() + ": Is a directory\n");
  fs::remove(dir_ / "desc");
  ASSERT_EQ(run({"dump", dir_.string()}), 0);
  EXPECT_EQ(out_.str(), "ck model=1 table=2 key=3\n");
  EXPECT_EQ(run({"frobnicate"}), 2);
  std::vector<std::string> left;
  for (const auto& e : fs::directory_iterator(dir_)) left.push_back(e.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"PEFILES", "kb.txt", "knowledge.db"}));
}

TEST_F(KbTool, BuildCreatesAMissingFolder) {
  const fs::path target = dir_ / "new" / "kb";
  ASSERT_EQ(run({"build", write_description("ck model=1 table=2 key=3\n"), target.string()}), 0)
      << err_.str();
  ASSERT_EQ(run({"dump", target.string()}), 0);
  EXPECT_EQ(out_.str(), "ck model=1 table=2 key=3\n");
}

// Messages show control bytes of the input as \xNN, never raw.
TEST_F(KbTool, MessagesEscapeControlBytes) {
  struct Case {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"build", (dir_ / "no\x1b[2Jpe").string(), dir_.string()},
       "kbtool: cannot read " + (dir_ / "no\\x1B[2Jpe").string() + ": No such file or directory\n"},
      {{"build", write_description("att name\x07=1\n"), dir_.string()},
       (dir_ / "kb.txt").string() + ":1: 'name\\x07' is not a field of att\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.err);
    EXPECT_NE(run(c.args), 0);
    EXPECT_EQ(err_.str(), c.err);
  }
}

TEST_F(KbTool, BuilderThrowsWithTheReason) {
  KbBuilder b;
  EXPECT_THROW(b.add("att", {{"model", "-1"}}), std::invalid_argument);
  EXPECT_THROW(b.add_description("ck\nck key=100\n"), std::invalid_argument);
  EXPECT_THROW(b.write((dir_ / "nowhere").string()), std::runtime_error);
}

}  // namespace
}  // namespace qn::isam
