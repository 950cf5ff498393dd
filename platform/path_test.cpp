#include "platform/path.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qn::platform {
namespace {

namespace fs = std::filesystem;

class PlatformPath : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("qn_path_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "Model" / "GEN11");
    fs::create_directories(root / "model");  // differs only in case: exact name wins
    std::ofstream(root / "Model" / "GEN11" / "Prog.java") << "x";
  }
  void TearDown() override { fs::remove_all(root); }
  fs::path root;
};

TEST_F(PlatformPath, MapsSeparatorsAndCase) {
  std::string r = root.string();
  struct Case {
    std::string in, out;
  } cases[] = {
      {r + "\\Model\\GEN11\\Prog.java", r + "/Model/GEN11/Prog.java"},
      {r + "/Model/gen11/PROG.JAVA", r + "/Model/GEN11/Prog.java"},
      {r + "\\model\\", r + "/model/"},
      {r + "/MODEL/gen11/new.java", r + "/Model/GEN11/new.java"},  // a file about to be made
      {r + "/nowhere\\Deeper/x", r + "/nowhere/Deeper/x"},
      {r + "//Model\\\\GEN11", r + "/Model/GEN11"},
  };
  for (const auto& c : cases) EXPECT_EQ(map_path(c.in), c.out) << c.in;
  // Relative paths resolve against the current directory.
  fs::path before = fs::current_path();
  fs::current_path(root);
  EXPECT_EQ(map_path(".\\MODEL\\Gen11\\prog.java"), "./Model/GEN11/Prog.java");
  EXPECT_EQ(map_path("Model\\GEN11\\"), "Model/GEN11/");
  fs::current_path(before);
}

TEST_F(PlatformPath, JoinAndProgramFolders) {
  EXPECT_EQ(join_path("a", "b"), "a/b");
  EXPECT_EQ(join_path("a\\", "b"), "a\\b");
  EXPECT_EQ(join_path("a/", "/b"), "a/b");
  EXPECT_EQ(join_path("", "b"), "b");
  EXPECT_EQ(shown_path("/x/bin\\JAVASUPP\\README_JAVA.TXT"), "/x/bin/JAVASUPP/README_JAVA.TXT");
  std::string prog = program_dir();
  ASSERT_FALSE(prog.empty());
  EXPECT_EQ(prog.back(), '/');
  EXPECT_TRUE(fs::is_directory(prog));
  std::string cur = current_dir();
  EXPECT_EQ(cur.back(), '/');
  EXPECT_TRUE(fs::equivalent(cur, fs::current_path()));
}

}  // namespace
}  // namespace qn::platform
