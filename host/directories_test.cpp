#include "host/directories.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "host/running_dialog_test.h"
#include "platform/file_times.h"

namespace qn::host {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

struct DirCase {
  int generation;
  const char* user8;
  int version_switch;
  const char* u;
  const char* s;
  const char* n;
};

TEST(GenerationDirs, Texts) {
  const DirCase cases[] = {
      {11, "DEVELOPE", 0, "DEVELOPE\\MDL007\\GEN00\\", "QNSPC007\\GEN00\\",
       "QNSPC007\\GEN00\\NVG\\"},
      {11, "DEVELOPE", 3, "DEVELOPE\\MDL007\\GEN11\\", "QNSPC007\\GEN11\\",
       "QNSPC007\\GEN11\\NVG\\"},
      {11, "", 0, ".\\MDL007\\GEN00\\", "QNSPC007\\GEN00\\", "QNSPC007\\GEN00\\NVG\\"},
  };
  for (const DirCase& c : cases) {
    GenerationDirs d = generation_dir_texts(7, c.generation, c.user8, c.version_switch);
    EXPECT_EQ(d.u, c.u);
    EXPECT_EQ(d.s, c.s);
    EXPECT_EQ(d.n, c.n);
  }
}

// A program folder and a model folder in a temporary tree; the current
// directory is the model folder while the test runs.
class FolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("qn_dirs_" + std::to_string(::getpid()));
    prog_ = root_ / "bin";
    model_ = root_ / "model";
    fs::remove_all(root_);
    fs::create_directories(prog_ / "lib");
    fs::create_directories(model_);
    saved_cwd_ = fs::current_path();
    fs::current_path(model_);
  }
  void TearDown() override {
    fs::current_path(saved_cwd_);
    fs::remove_all(root_);
  }
  static void write(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
  }
  int copy(std::vector<std::string>* shown = nullptr) {
    RunningDialog d;
    int r = CopySupportFiles(prog_.string(), model_.string(), "QNJAVA.DAT", 1);
    const auto& log = d.stop();
    if (shown) {
      for (const std::string& e : log.events)
        if (e.starts_with("action:")) shown->push_back(e.substr(7));
    }
    return r;
  }
  fs::path root_;
  fs::path prog_;
  fs::path model_;
  fs::path saved_cwd_;
};

TEST_F(FolderTest, GenerationDirsAreCreatedOneLevelDeep) {
  ::setenv("QNUSER", "", 1);
  fs::create_directories(model_ / "QNSPC007");
  GenerationDirs d = get_generation_dirs(7, 11, 0);
  EXPECT_TRUE(d.u.starts_with(".\\") || d.u.find('\\') <= 8);
  EXPECT_EQ(d.s, "QNSPC007\\GEN00\\");
  EXPECT_TRUE(fs::is_directory(model_ / "QNSPC007" / "GEN00"));
  EXPECT_TRUE(fs::is_directory(model_ / "QNSPC007" / "GEN00" / "NVG"));
  EXPECT_FALSE(fs::exists(model_ / "MDL007"));  // its parent is missing, or it begins with "."
}

TEST_F(FolderTest, MissingListCopiesNothing) { EXPECT_EQ(copy(), 0); }

TEST_F(FolderTest, CopiesDeletesAndLeavesAMarker) {
  write(prog_ / "QNJAVA.DAT",
        "= QNJAVA.MRK\r\nlib\\*.jar\n- *.OLD\nREADME.TXT\nnothere*.x\n- sub\\*.tmp\n");
  write(prog_ / "lib" / "b.jar", "b");
  write(prog_ / "lib" / "A.JAR", "a");
  write(prog_ / "README.TXT", "readme");
  write(model_ / "x.old", "old");
  write(model_ / "sub" / "s.tmp", "in sub");
  write(model_ / "s.tmp", "top level, kept");
  ASSERT_TRUE(platform::set_file_times((prog_ / "README.TXT").string(), 1000000000, 1000000000));
  std::vector<std::string> shown;
  EXPECT_EQ(copy(&shown), 1);
  std::string p = prog_.string(), m = model_.string();
  EXPECT_THAT(shown, ElementsAre("Copying " + p + "/lib/A.JAR to " + m + "/A.JAR...\n",
                                 "Copying " + p + "/lib/b.jar to " + m + "/b.jar...\n",
                                 "Deleting " + m + "/x.old...\n",
                                 "Copying " + p + "/README.TXT to " + m + "/README.TXT...\n",
                                 "Error copying " + p + "/nothere*.x to " + m +
                                     ": No such file or directory\n",
                                 "Deleting " + m + "/sub/s.tmp...\n"));
  EXPECT_TRUE(fs::exists(model_ / "A.JAR"));
  EXPECT_TRUE(fs::exists(model_ / "b.jar"));
  EXPECT_TRUE(fs::exists(model_ / "README.TXT"));
  int64_t copied_time = 0;
  ASSERT_TRUE(platform::file_modification_time((model_ / "README.TXT").string(), copied_time));
  EXPECT_EQ(copied_time, 1000000000);  // the copy keeps the source's time
  EXPECT_FALSE(fs::exists(model_ / "lib"));
  EXPECT_FALSE(fs::exists(model_ / "x.old"));
  EXPECT_FALSE(fs::exists(model_ / "sub" / "s.tmp"));
  EXPECT_TRUE(fs::exists(model_ / "s.tmp"));
  EXPECT_TRUE(fs::exists(model_ / "QNJAVA.MRK"));
  EXPECT_EQ(fs::file_size(model_ / "QNJAVA.MRK"), 0u);

  // Next process: the marker exists, nothing is copied.
  fs::remove(model_ / "README.TXT");
  shown.clear();
  EXPECT_EQ(copy(&shown), 1);
  EXPECT_TRUE(shown.empty());
  EXPECT_FALSE(fs::exists(model_ / "README.TXT"));
}

TEST_F(FolderTest, LongLinesAreReadInPieces) {
  // 199 bytes make one piece; the rest of the line is a line of its own.
  write(prog_ / "QNJAVA.DAT", std::string(199, 'q') + "README.TXT\n");
  write(prog_ / "README.TXT", "readme");
  std::vector<std::string> shown;
  EXPECT_EQ(copy(&shown), 1);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_TRUE(shown[0].starts_with("Error copying " + prog_.string() + "/" + std::string(199, 'q') +
                                   " to "));
  EXPECT_TRUE(fs::exists(model_ / "README.TXT"));
}

// No line of the list reaches outside its folder: an absolute path or one
// that climbs out is skipped with its error line, and the walk goes on.
TEST_F(FolderTest, ListPathsStayInsideTheirFolders) {
  write(root_ / "keep.jar", "above the model folder");
  write(root_ / "secret.txt", "above the program folder");
  write(prog_ / "lib" / "in.jar", "in");
  write(model_ / "old.jar", "old");
  const std::string abs = (root_ / "keep.jar").string();
  write(prog_ / "QNJAVA.DAT", "= ..\\M.MRK\n- ..\\*.jar\n- " + abs +
                                  "\n- lib/../../*.jar\n..\\secret.txt\n" +
                                  "/etc/hostname\nC:\\x.txt\nlib\\..\\lib\\*.jar\n- .\\old.jar\n");
  std::vector<std::string> shown;
  EXPECT_EQ(copy(&shown), 1);
  const std::string p = prog_.string(), m = model_.string();
  const std::string why = ": the path leaves its folder\n";
  EXPECT_THAT(shown, ElementsAre("Error copying " + m + "/../M.MRK to " + m + why,
                                 "Error copying " + m + "/../*.jar to " + m + why,
                                 "Error copying " + m + "/" + abs + " to " + m + why,
                                 "Error copying " + m + "/lib/../../*.jar to " + m + why,
                                 "Error copying " + p + "/../secret.txt to " + m + why,
                                 "Error copying " + p + "//etc/hostname to " + m + why,
                                 "Error copying " + p + "/C:/x.txt to " + m + why,
                                 "Copying " + p + "/lib/../lib/in.jar to " + m + "/in.jar...\n",
                                 "Deleting " + m + "/./old.jar...\n"));
  EXPECT_TRUE(fs::exists(root_ / "keep.jar"));
  EXPECT_FALSE(fs::exists(model_ / "secret.txt"));
  EXPECT_FALSE(fs::exists(root_ / "M.MRK"));
  EXPECT_TRUE(fs::exists(model_ / "in.jar"));
  EXPECT_FALSE(fs::exists(model_ / "old.jar"));
}

TEST_F(FolderTest, ListWithoutMarkerIsWorkedThroughEveryTime) {
  write(prog_ / "QNJAVA.DAT", "README.TXT\n");
  write(prog_ / "README.TXT", "readme");
  EXPECT_EQ(copy(), 1);
  fs::remove(model_ / "README.TXT");
  EXPECT_EQ(copy(), 1);
  EXPECT_TRUE(fs::exists(model_ / "README.TXT"));
}

TEST(ProgramDir, EndsWithASeparatorAndHoldsTheProgram) {
  const std::string& dir = get_program_dir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(get_program_path().starts_with(dir));
  EXPECT_EQ(&get_exe_dir(), &get_program_dir());
}

}  // namespace
}  // namespace qn::host
