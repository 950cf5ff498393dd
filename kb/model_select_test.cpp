#include "kb/model_select.h"

#include <gtest/gtest.h>

#include "config/data_store.h"
#include "config/test_dir.h"
#include "platform/path.h"
#include "platform/profile.h"

namespace qn::kb {
namespace {

using ModelDir = config::ConfigDirTest;

TEST_F(ModelDir, ChangeDirectory) {
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
  EXPECT_EQ(platform::profile_string(config::model_ini_path(), "Model 001", "Type", ""), "");
  ASSERT_EQ(chdir_model_path(root + "/models/m1"), 1);
  EXPECT_EQ(platform::profile_string(config::model_ini_path(), "Model 001", "Type", ""), "J");
}

}  // namespace
}  // namespace qn::kb
