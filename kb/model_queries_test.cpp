#include "kb/model_queries.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "config/config_qn.h"
#include "config/test_dir.h"
#include "kb/kb_test_fixture.h"
#include "kb/model_select.h"
#include "platform/message_box.h"
#include "platform/resource_library.h"
#include "platform/system_services.h"

namespace qn::kb {
namespace {

class ModelQueries : public KbFixture {
 protected:
  void SetUp() override {
    KbFixture::SetUp();
    reset_model_queries();
  }
  void TearDown() override {
    reset_model_queries();
    KbFixture::TearDown();
  }
  // Writes the knowledge base and opens it (as a generation does, without
  // selecting a model).
  void open(std::string_view description) {
    build(description);
    ASSERT_EQ(OpenKnowledgeBase(0), 1);
  }
};

constexpr const char* kModels =
    "mdl model=5 name=FIVE path=MODELS\\M5\n"
    "mdl model=15 name=FIFTEEN path=M15\n"
    "mdl model=29 name=LAST path=M29\n"
    "mdl model=100 name=HUNDRED path=M100\n";

TEST_F(ModelQueries, ModelRecordIsCached) {
  open(kModels);
  EXPECT_EQ(mdl_info(0).model, 0);  // nothing cached yet
  const MdlRecord& five = mdl_info(5);
  EXPECT_EQ(five.model, 5);
  EXPECT_STREQ(five.name, "FIVE");
  EXPECT_EQ(mdl_info_path(0), "MODELS\\M5");
  EXPECT_EQ(mdl_info_path(15), "M15");
  EXPECT_EQ(mdl_info(0).model, 15);
  EXPECT_EQ(in_app_dir("x"), "..\\QNAPP015\\x");  // no model.dat here
  for (int empty : {65535, -1}) {
    mdl_info(5);
    EXPECT_EQ(mdl_info(empty).model, 0) << empty;
    EXPECT_EQ(mdl_info(0).path[0], '\0');
  }
}

TEST_F(ModelQueries, MissingModelRecordIsFatal) {
  open(kModels);
  mdl_info(5);
  // 1005 is stored under the three digits 100 and so would reach model 100's
  // record; it is no record of model 1005.
  for (int model : {7, 1005}) {
    EXPECT_EQ(internal_error([model] { mdl_info(model); }).rfind("Internal Error 3 in function mdl_info\n", 0), 0u)
        << model;
  }
  EXPECT_NE(error_log().find("Internal ERROR --> 3 in function: mdl_info"), std::string::npos) << error_log();
}

TEST_F(ModelQueries, DirectoryPrefixes) {
  struct Case {
    bool model_dat;
    const char* path;
    const char* in_model;
    const char* in_app;
  } cases[] = {
      {false, "MODELS\\M1", "..\\MODELS\\M1\\n", "..\\QNAPP007\\n"},
      {false, "\\ABS\\M1\\", "\\ABS\\M1\\n", "..\\QNAPP007\\n"},
      {false, "C:\\M1", "C:\\M1\\n", "..\\QNAPP007\\n"},
      {false, "", "..\\n", "..\\QNAPP007\\n"},
      {true, "MODELS\\M1", "MODELS\\M1\\n", "QNAPP007\\n"},
      {true, ".", ".\\n", "QNAPP007\\n"},
      {true, "", "n", "QNAPP007\\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    reset_model_queries();
    std::filesystem::remove(dir_ / "MODEL.DAT");
    if (c.model_dat) std::ofstream(dir_ / "MODEL.DAT") << "";  // found ignoring case
    set_model_dirs(c.path, 7);
    EXPECT_EQ(in_model_dir("n"), c.in_model);
    EXPECT_EQ(in_app_dir("n"), c.in_app);
    std::string out;
    make_dir_path(out, "n", true);
    EXPECT_EQ(out, c.in_model);
    make_dir_path(out, "n", false);
    EXPECT_EQ(out, c.in_app);
  }
  // The look for model.dat is made once.
  set_model_dirs("M", 7);
  std::filesystem::remove(dir_ / "MODEL.DAT");
  set_model_dirs("M", 7);
  EXPECT_EQ(in_model_dir("n"), "M\\n");
  // Only 35 characters of a name are taken.
  EXPECT_EQ(in_model_dir(std::string(40, 'x')), "M\\" + std::string(35, 'x'));
}

TEST_F(ModelQueries, ModelDirectoryByBlock) {
  open(kModels);
  std::ofstream("model.dat") << "";
  struct Case {
    int block;
    int model;
    const char* dir;
    const char* file;
  } cases[] = {
      {1000, 3001, "QN3001", "QN3001\\F.DAT"},
      {1000, 3000, "QN3000", "QN3000\\F.DAT"},
      {1000, 5, "MODELS\\M5", "MODELS\\M5\\F.DAT"},
      {1000, 0, "MODELS\\M5", "MODELS\\M5\\F.DAT"},  // the cached model
      {10, 29, "M29", "M29\\F.DAT"},
      {10, 30, "QN030", "QN030\\F.DAT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    set_model_block_size(c.block);
    EXPECT_EQ(get_model_dir(c.model), c.dir);
    EXPECT_EQ(model_file_path(c.model, "F.DAT"), c.file);
  }
}

TEST_F(ModelQueries, WalkToTheCompanionModel) {
  open(kModels);
  struct Case {
    int block;
    int current;
    int result, model, offset;
    int cached;  // the cached model afterwards
  } cases[] = {
      {1000, 5, 1, 5, 1000, 5},     // no model 1005 (model 100 is not it)
      {1000, 1500, 0, 1500, 1000, 5},
      {10, 5, 0, 15, 10, 15},       // the companion becomes current and cached
      {10, 15, 0, 15, 10, 5},       // one block up: no walk
      {10, 29, 0, 29, 10, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.block) + "/" + std::to_string(c.current));
    mdl_info(5);
    set_model_block_size(c.block);
    EXPECT_EQ(set_current_model(c.current), 0);
    int model = -1, offset = -1;
    EXPECT_EQ(next_model_entry(model, offset), c.result);
    EXPECT_EQ(model, c.model);
    EXPECT_EQ(offset, c.offset);
    EXPECT_EQ(current_model(), c.model);
    EXPECT_EQ(mdl_info(0).model, c.cached);
  }
  EXPECT_EQ(model_entry_text(), " 15 FIFTEEN" + std::string(23, ' '));
  // The walk moves the directories to the companion.
  mdl_info(5);
  set_current_model(5);
  int model = 0, offset = 0;
  next_model_entry(model, offset);
  EXPECT_EQ(in_model_dir("n"), "..\\M15\\n");
  EXPECT_EQ(in_app_dir("n"), "..\\QNAPP015\\n");
}

// Model selection as the opening of the knowledge base runs it: the key
// files, the model record and the model's settings.
class ModelSelect : public config::ConfigDirTest {
 protected:
  void SetUp() override {
    ConfigDirTest::SetUp();
    close_isam();
    reset_model_queries();
    previous_box_ = platform::set_message_box_hook(
        [this](std::string_view text, std::string_view caption, unsigned) {
          boxes_.push_back(std::string(caption) + ": " + std::string(text));
          return platform::kIdOk;
        });
    KbBuilder b;
    b.add_description(
        "mdl model=5 name=FIVE path=.\n"
        "mdl model=6 name=SIX path=M6\n");
    b.write((root_ / "model").string());
  }
  void TearDown() override {
    close_isam();
    reset_model_queries();
    platform::set_message_box_hook(previous_box_);
    platform::set_free_space_probe(nullptr);
    ConfigDirTest::TearDown();
  }

  platform::MessageBoxHook previous_box_;
  std::vector<std::string> boxes_;
};

TEST_F(ModelSelect, TooLittleFreeSpace) {
  auto library = platform::ResourceLibrary::load(QN_PROGRAM_DIR, "qnresc32");
  const bool have_texts = library != nullptr;
  platform::set_resource_library(std::move(library));
  write("program/config.qn", "MYKEY=1\n");
  platform::set_free_space_probe([] { return std::optional<uint64_t>(249); });
  EXPECT_EQ(OpenKnowledgeBase(5), 0);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0], have_texts ? "Generation Error: Too little free disk space on the current "
                                    "drive: at least 250 KB are needed."
                                  : "Generation Error: Msg  62212: Text not available");
  EXPECT_EQ(config::GetConfigValue("MYKEY"), std::nullopt);  // the key file was not read
  EXPECT_EQ(mdl_info(0).model, 0);                           // nor the model record
  platform::set_resource_library(nullptr);

  // 250 KB is enough, and a drive that cannot be asked passes.
  for (std::optional<uint64_t> free : {std::optional<uint64_t>(250), std::optional<uint64_t>()}) {
    platform::set_free_space_probe([free] { return free; });
    EXPECT_EQ(select_model(5), 5);
  }
  EXPECT_EQ(boxes_.size(), 1u);
}

TEST_F(ModelSelect, ReadsKeyFilesModelRecordAndSettings) {
  platform::set_free_space_probe([] { return std::optional<uint64_t>(1u << 20); });
  write("program/config.qn", "SHARED=program\nPROGONLY=1\nRPT_WIDTH=200\n");
  write("model/Config.Qn", "SHARED=model\nRPT_WIDTH=150\n");
  write("program/qn.ini", "[QNW]\nVersion=2\n");
  write("model/model.dat", "");
  write("model/Model.ini",
        "[Model 005]\n"
        "DataSource=4\n"
        "Type=\n"
        "Generator=3\n"
        "[Preferences 005]\n"
        "DBMS=ORACLE\n"
        "BATCH=Y\n"
        "[Preferences 005 11]\n"
        "DBMS=DB2\n"
        "JAVA_PKG=com.x\n"
        "[Preferences 005 03]\n"
        "NEVER=1\n"
        "[Model 006]\n"
        "Generator=11\n"
        "[Preferences 006]\n"
        "A=1\n"
        "[Preferences 006 11]\n"
        "B=1\n");
  ASSERT_EQ(OpenKnowledgeBase(5), 1);
  EXPECT_EQ(model_block_size(), kModelBlockSize);
  EXPECT_EQ(current_model(), 5);
  EXPECT_STREQ(mdl_info(0).name, "FIVE");
  EXPECT_EQ(in_model_dir("n"), ".\\n");
  const std::pair<const char*, std::optional<std::string>> expected[] = {
      {"SHARED", "model"},  // the current directory's file comes last
      {"PROGONLY", "1"},    {"DTASRC", "4"},  {"MDLTYPE", std::nullopt},
      {"DBMS", "DB2"},      {"BATCH", "Y"},   {"java_pkg", "com.x"}, {"NEVER", std::nullopt},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(config::GetConfigValue(key), value) << key;
  EXPECT_EQ(config::typed_keys().rpt_width, 150);
  EXPECT_TRUE(config::typed_keys().batch);
  EXPECT_EQ(config::get_ide_version_switch(), 2);

  // The model's own generator: its generator section is not read.
  config::reset_config_keys();
  EXPECT_EQ(select_model(6), 6);
  EXPECT_EQ(mdl_info_path(0), "M6");
  EXPECT_EQ(config::GetConfigValue("A"), "1");
  EXPECT_EQ(config::GetConfigValue("B"), std::nullopt);
}

}  // namespace
}  // namespace qn::kb
