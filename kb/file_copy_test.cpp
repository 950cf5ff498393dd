#include "kb/file_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "kb/kb_test_fixture.h"
#include "kb/model_queries.h"
#include "platform/file_times.h"

namespace qn::kb {
namespace {

namespace fs = std::filesystem;

class FileCopy : public KbFixture {
 protected:
  void SetUp() override {
    KbFixture::SetUp();
    reset_model_queries();
    std::ofstream("model.dat") << "";
    set_model_dirs("M", 7);  // model directory M\, application directory QNAPP007\ (here)
    fs::create_directories(dir_ / "M");
    fs::create_directories(dir_ / "QNAPP007");
  }
  void TearDown() override {
    reset_model_queries();
    KbFixture::TearDown();
  }
  void write(const fs::path& p, const std::string& text) {
    std::ofstream(dir_ / p, std::ios::binary) << text;
  }
  std::string read(const fs::path& p) {
    std::ifstream in(dir_ / p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  int64_t mtime(const fs::path& p) {
    int64_t t = -1;
    platform::file_modification_time((dir_ / p).string(), t);
    return t;
  }
};

TEST_F(FileCopy, CopiesAppendsAndKeepsTheSourceTime) {
  write("M/a.txt", "alpha");
  write("QNAPP007/b.txt", "beta");
  platform::set_file_times((dir_ / "M/a.txt").string(), 1000000000, 1000000000);
  struct Case {
    const char* source;
    const char* target;
    int flags;
    const char* file;  // the target in the folder
    const char* text;
  } cases[] = {
      {"a.txt", "c.txt", kCopyInModelDir, "M/c.txt", "alpha"},
      {"a.txt", "c.txt", kCopyInModelDir | kCopyAppend, "M/c.txt", "alphaalpha"},
      {"a.txt", "c.txt", kCopyInModelDir, "M/c.txt", "alpha"},  // written anew
      {"b.txt", "d.txt", kCopyInAppDir, "QNAPP007/d.txt", "beta"},
      {"M\\a.txt", "E.TXT", 0, "E.TXT", "alpha"},  // names as given
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.source) + " " + c.target);
    ASSERT_EQ(copy_file(c.source, c.target, c.flags), 0);
    EXPECT_EQ(read(c.file), c.text);
  }
  EXPECT_EQ(mtime("M/c.txt"), 1000000000);
  EXPECT_EQ(read("M/a.txt"), "alpha");
  EXPECT_EQ(error_log(), "");
  EXPECT_NE(get_copy_buffer(0), nullptr);
  EXPECT_NE(get_copy_buffer(1), get_copy_buffer(0));
  EXPECT_EQ(get_copy_buffer(2), nullptr);
  EXPECT_EQ(get_copy_buffer(-1), nullptr);
}

TEST_F(FileCopy, FailuresLeaveTheSourceAlone) {
  write("M/a.txt", "alpha");
  struct Case {
    const char* source;
    const char* target;
    int flags;
  } cases[] = {
      {"a.txt", "a.txt", kCopyInModelDir},         // onto itself
      {"a.txt", "A.TXT", kCopyInModelDir},         // the same name in another case
      {"a.txt", "..\\M\\a.txt", kCopyInModelDir},  // the same file under another name
      {"missing.txt", "c.txt", kCopyInModelDir},  {"a.txt", "nofolder\\c.txt", kCopyInModelDir},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.source) + " " + c.target);
    EXPECT_EQ(copy_file(c.source, c.target, c.flags), 1);
    EXPECT_EQ(read("M/a.txt"), "alpha");
    EXPECT_EQ(append_file_to(c.source, c.target, c.flags), 1);
    EXPECT_EQ(read("M/a.txt"), "alpha");
  }
  EXPECT_FALSE(fs::exists(dir_ / "M/c.txt"));
}

TEST_F(FileCopy, ConcatMovesFilesIntoTheTarget) {
  auto names = [](std::initializer_list<const char*> list) {
    host::TermValue t;
    host::TermValue* cell = &t;
    for (const char* n : list) {
      host::term_unify_functor(".", 2, *cell);
      host::term_unify_atom(n, *host::term_arg_ref(1, *cell));
      cell = host::term_arg_ref(2, *cell);
    }
    host::term_unify_atom("[]", *cell);
    return t;
  };
  auto text = [](const char* s) {
    host::TermValue t;
    host::term_unify_atom(s, t);
    return t;
  };
  write("M/p1.java", "one\n");
  write("M/p2.java", "two\n");
  write("M/all.java", "old\n");
  ASSERT_EQ(concat_files(names({"p1.java", "p2.java"}), text("all.java")), 1);
  EXPECT_EQ(read("M/all.java"), "one\ntwo\n");
  EXPECT_FALSE(fs::exists(dir_ / "M/p1.java"));
  EXPECT_FALSE(fs::exists(dir_ / "M/p2.java"));

  // The first failure stops the walk; files not moved stay.
  write("M/p1.java", "one\n");
  write("M/p3.java", "three\n");
  EXPECT_EQ(concat_files(names({"p1.java", "missing.java", "p3.java"}), text("all.java")), 0);
  EXPECT_EQ(read("M/all.java"), "one\n");
  EXPECT_EQ(read("M/p3.java"), "three\n");

  // A self-copy keeps its source.
  EXPECT_EQ(concat_files(names({"p3.java"}), text("P3.JAVA")), 0);
  EXPECT_EQ(read("M/p3.java"), "three\n");

  host::TermValue number;
  host::term_unify_int(1, number);
  EXPECT_EQ(concat_files(names({"p3.java"}), text(std::string(30, 'x').c_str())), 0);
  EXPECT_EQ(concat_files(names({"p3.java"}), number), 0);
  EXPECT_EQ(concat_files(names({}), text("all.java")), 0);
  EXPECT_EQ(read("M/p3.java"), "three\n");
}

}  // namespace
}  // namespace qn::kb
