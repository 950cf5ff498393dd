#include "config/properties/writer/pty_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/properties/archive.h"
#include "platform/full_disk_test.h"

namespace qn::config::ptywriter {
namespace {

// Every kind of line and field, in the form dump writes.
constexpr const char* kEverything =
    "directory version=3\n"
    "object DATASTORE number=1 description=\"Data store\"\n"
    "object SQLSERVER number=2 parent=DATASTORE\n"
    "list kind=1 caption=Definitions base=0\n"
    "  elem kind=5 name=LOOSE ids=!SQLSERVER idsversion=1\n"
    "  list kind=2 name=DATASTORE ids=DATASTORE,SQLSERVER flags=0x2 version=1 "
    "type={BEF6E003-A874-101A-8BBA-00AA00300CAB}\n"
    "    list kind=3 name=Connection caption=\"Connection, main\" "
    "second={00000001-0002-0003-0405-060708090A0B}\n"
    "      elem kind=6 name=PORT default=i4:1433 min=1 max=65535\n"
    "        depend 2 i4:0 and(eq(MAIN_DS,i2:-1),not(obj(SQLSERVER))) version=1\n"
    "        depend 1 i4:5 or(group(Connection),never(X))\n"
    "      elem kind=7 name=UPD description=\"Select \\\"for\\\" update\" default=bstr:Yes "
    "aliases=OLD,OLDER\n"
    "        choice bstr:Yes caption=Yes\n"
    "        choice bstr:\"No way\" caption=No description=\"Never (locks)\"\n"
    "      elem kind=6 name=OLD flags=0x10000 base=0 version=0 default=cy:1.5\n"
    "        depend 1 r8:2.5 true\n"
    "      elem kind=11 name=P version=1 param=7 valuetype=3\n"
    "      elem kind=12 name=Q default=null: textparam=loader\n"
    "      elem kind=14 name=R default=error:5 custom=myType\n"
    "        depend 8 bstr:PORT ge(PORT,bool:True)\n";

class PtyTool : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("qn_ptytool_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  int run(const std::vector<std::string>& args) {
    out_.str("");
    err_.str("");
    return run_ptytool(args, out_, err_);
  }
  std::string write_description(const std::string& text) {
    const auto p = (dir_ / "d.txt").string();
    std::ofstream(p, std::ios::binary) << text;
    return p;
  }
  std::filesystem::path dir_;
  std::ostringstream out_, err_;
};

TEST_F(PtyTool, DumpGivesTheDescriptionBack) {
  const std::string file = (dir_ / "a.pty").string();
  ASSERT_EQ(run({"build", write_description(std::string("# comment\r\n\n") + kEverything), file}),
            0)
      << err_.str();
  ASSERT_EQ(run({"dump", file}), 0) << err_.str();
  EXPECT_EQ(out_.str(), kEverything);
}

TEST_F(PtyTool, ShippedArchiveIsItsDescription) {
  std::ifstream in(std::string(QN_SOURCE_DIR) + "/config/properties/DTASTORE.txt");
  std::string expected;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') expected += line + "\n";
  }
  ASSERT_EQ(run({"dump", std::string(QN_PROGRAM_DIR) + "/DTASTORE.PTY"}), 0) << err_.str();
  EXPECT_EQ(out_.str(), expected);
}

TEST_F(PtyTool, BadLineStopsTheBuild) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"list kind=1\n  elem kind=5 nme=X\n", "d.txt:2: unknown field 'nme'"},
      {"list kind=1\n  elem default=i4:x\n", "d.txt:2: 'x' is no value of type i4"},
      {"list kind=1\n  elem default=q:1\n", "d.txt:2: unknown value type 'q'"},
      {"list kind=1\n  elem\n    depend 1 i4:0 and(true)\n",
       "d.txt:3: expected ',' in expression 'and(true)'"},
      {"list kind=1\n  elem\n    elem\n", "d.txt:3: an element holds no items"},
      {"list kind=1\nlist kind=1\n", "d.txt:2: a second root"},
      {"object A\n", "d.txt:0: no root list"},
      {"list kind=1 name=\"open\n", "d.txt:1: unbalanced quotes"},
      {"list kind=1\n  list type={1}\n", "d.txt:2: bad GUID '{1}'"},
      {"widget\n", "d.txt:1: unknown line 'widget'"},
      // Numbers beyond their field, the most negative one included.
      {"list kind=1\n  elem kind=-0x8000000000000000\n",
       "d.txt:2: kind '-0x8000000000000000' out of range"},
      {"list kind=1\n  elem max=2147483648\n", "d.txt:2: max '2147483648' out of range"},
      {"list kind=1\n  elem flags=0x1FFFFFFFF\n", "d.txt:2: flags '0x1FFFFFFFF' out of range"},
      {"list kind=1 version=99999999999999999999999\n",
       "d.txt:1: version '99999999999999999999999' out of range"},
  };
  for (const auto& c : cases) {
    const std::string path = write_description(c.text);
    EXPECT_EQ(run({"build", path, (dir_ / "x.pty").string()}), 1) << c.text;
    EXPECT_EQ(err_.str(), (dir_ / c.message).string() + "\n") << c.text;
  }
}

// Lists and expressions nest 64 levels deep together, as the archive
// allows; deeper is refused on its line, however deep.
TEST_F(PtyTool, NestingIsCapped) {
  auto nots = [](int n) {
    return std::string("depend 1 i4:0 ") + [&] {
      std::string e;
      for (int i = 0; i < n; ++i) e += "not(";
      e += "true";
      for (int i = 0; i < n; ++i) e += ")";
      return e;
    }() + "\n";
  };
  auto lists = [](int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += std::string(static_cast<size_t>(i), ' ') + "list\n";
    return text;
  };
  const std::string archive = (dir_ / "x.pty").string();
  // An element's dependency sits one level below the root: 63 nodes fit.
  ASSERT_EQ(run({"build", write_description("list kind=1\n  elem\n    " + nots(62)), archive}), 0)
      << err_.str();
  EXPECT_EQ(run({"dump", archive}), 0) << err_.str();
  ASSERT_EQ(run({"build", write_description(lists(64)), archive}), 0) << err_.str();
  EXPECT_EQ(run({"dump", archive}), 0) << err_.str();
  struct Case {
    std::string text;
    int line;
  };
  const Case cases[] = {
      {"list kind=1\n  elem\n    " + nots(63), 3},
      {"list kind=1\n  elem\n    " + nots(40000), 3},
      {lists(65), 65},
      {lists(30) + std::string(30, ' ') + nots(40), 31},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run({"build", write_description(c.text), archive}), 1);
    EXPECT_EQ(err_.str(), (dir_ / "d.txt").string() + ":" + std::to_string(c.line) +
                              ": nested deeper than 64 levels\n");
  }
}

// A line of blanks and tabs is an empty line.
TEST_F(PtyTool, BlankLinesOfTabs) {
  EXPECT_EQ(run({"build", write_description("list kind=1\n\t\n \t \n  elem name=A\n\t"),
                 (dir_ / "x.pty").string()}),
            0)
      << err_.str();
}

// The archive is replaced whole: a write that fails (the file-size limit
// stands in for a full disk) leaves the former archive as it was.
TEST_F(PtyTool, FailedWriteKeepsTheFormerArchive) {
  const std::string archive = (dir_ / "DTASTORE.PTY").string();
  std::ofstream(archive, std::ios::binary) << "former";
  const std::string description = write_description(kEverything);
  int status;
  {
    platform::FullDiskAfter full(64);
    status = run({"build", description, archive});
  }
  EXPECT_EQ(status, 1);
  EXPECT_NE(err_.str().find("ptytool: Cannot write " + archive), std::string::npos) << err_.str();
  std::ifstream in(archive, std::ios::binary);
  std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept, "former");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2);  // and d.txt
}

TEST_F(PtyTool, DumpOfDamagedArchiveAndEncipher) {
  const std::string file = (dir_ / "bad.pty").string();
  std::ofstream(file, std::ios::binary) << "\x01";
  EXPECT_EQ(run({"dump", file}), 1);
  EXPECT_NE(err_.str().find("unexpected end of archive"), std::string::npos);
  EXPECT_EQ(run({"encipher", "sa"}), 0);
  EXPECT_EQ(out_.str(), "222F\n");
  EXPECT_EQ(run({"bogus"}), 2);
}

}  // namespace
}  // namespace qn::config::ptywriter
