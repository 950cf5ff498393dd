#include "platform/folder_index.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/find_files.h"
#include "platform/path.h"

namespace qn::platform {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

class FolderIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = (fs::temp_directory_path() / ("qn_index_" + std::to_string(::getpid()))).string() + "/";
    fs::remove_all(dir_);
    fs::create_directories(dir_ + "Sub");
    for (const char* name : {"b.java", "A.JAVA", "a.java", "c.txt"})
      std::ofstream(dir_ + name) << name;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::vector<std::string> names(const std::string& pattern) {
    std::vector<std::string> out;
    for_each_entry(dir_, pattern, [&](const FolderEntry& e) { out.push_back(e.name); });
    return out;
  }

  std::string dir_;
};

// With or without an index, the answers are the same: names ignoring case,
// sorted by their upper-cased bytes, the smallest spelling first.
TEST_F(FolderIndexTest, AnswersLikeTheFileSystem) {
  for (bool indexed : {false, true}) {
    SCOPED_TRACE(indexed ? "indexed" : "direct");
    std::optional<FolderIndexScope> scope;
    if (indexed) scope.emplace();
    EXPECT_EQ(folder_index_active(), indexed);
    EXPECT_THAT(names("*.java"), ElementsAre("A.JAVA", "a.java", "b.java"));
    EXPECT_THAT(names("B.JAVA"), ElementsAre("b.java"));
    EXPECT_THAT(names("sub"), ElementsAre("Sub"));
    EXPECT_TRUE(names("none").empty());
    EXPECT_EQ(find_name_ignoring_case(dir_, "A.java"), "A.JAVA");
    EXPECT_EQ(map_path(dir_ + "SUB\\X.TXT"), dir_ + "Sub/X.TXT");
    EXPECT_THAT(find_files(dir_, "*.JAVA"), ElementsAre("A.JAVA", "a.java", "b.java"));
    EXPECT_FALSE(for_each_entry(dir_ + "missing", "*", [](const FolderEntry&) {}));
  }
}

// Inside a run a folder is read once: what others change later is not seen,
// while the program's own creates and deletes are.
TEST_F(FolderIndexTest, ReadOnceAndKeptTrueByOwnChanges) {
  FolderIndexScope scope;
  EXPECT_THAT(names("*.txt"), ElementsAre("c.txt"));
  std::ofstream(dir_ + "outside.txt") << "x";
  EXPECT_THAT(names("*.txt"), ElementsAre("c.txt"));
  ASSERT_TRUE(create_empty_file(dir_ + "New.txt"));
  ASSERT_TRUE(copy_whole_file(dir_ + "c.txt", dir_ + "d.txt"));
  ASSERT_TRUE(remove_file(dir_ + "c.txt"));
  EXPECT_THAT(names("*.txt"), ElementsAre("d.txt", "New.txt"));
  EXPECT_EQ(map_path(dir_ + "NEW.TXT"), dir_ + "New.txt");
  ASSERT_TRUE(make_directory(dir_ + "Made"));
  EXPECT_THAT(names("made"), ElementsAre("Made"));
  EXPECT_TRUE(for_each_entry(dir_ + "Made", "*", [](const FolderEntry&) {}));
  {
    FolderIndexScope inner;  // keeps the run's index
    EXPECT_THAT(names("*.txt"), ElementsAre("d.txt", "New.txt"));
  }
  EXPECT_TRUE(folder_index_active());
  // Relative and absolute spellings of a folder are one folder.
  const fs::path old = fs::current_path();
  fs::current_path(dir_);
  EXPECT_EQ(find_name_ignoring_case("", "new.TXT"), "New.txt");
  EXPECT_EQ(find_name_ignoring_case("./Sub/..", "new.TXT"), "New.txt");
  fs::current_path(old);
}

}  // namespace
}  // namespace qn::platform
