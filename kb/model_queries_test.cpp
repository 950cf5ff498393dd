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
  // 1005 has a key of its own, not that of model 100.
  for (int model : {7, 1005}) {
    EXPECT_EQ(internal_error([model] {
                mdl_info(model);
              }).rfind("Internal Error 3 in function mdl_info\n", 0),
              0u)
        << model;
  }
  EXPECT_NE(error_log().find("Internal ERROR --> 3 in function: mdl_info"), std::string::npos)
      << error_log();
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
      {1000, 5, 1, 5, 1000, 5},  // no model 1005
      {1000, 1500, 0, 1500, 1000, 5},
      {10, 5, 0, 15, 10, 15},  // the companion becomes current and cached
      {10, 15, 0, 15, 10, 5},  // one block up: no walk
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

// --- objects over the demo knowledge base ----------------------------------

class ObjectQueries : public ModelQueries {
 protected:
  void SetUp() override {
    ModelQueries::SetUp();
    build_file();
    ASSERT_EQ(OpenKnowledgeBase(0), 1);
    set_model_block_size(kModelBlockSize);
    mdl_info(5);
  }
};

TEST_F(ObjectQueries, CompanionAndStoredDirectories) {
  EXPECT_EQ(get_model_dir(2999), "STORED\\M2999");
  EXPECT_EQ(get_model_dir(3001), "QN3001");
  set_current_model(5);
  int model = 0, offset = 0;
  EXPECT_EQ(next_model_entry(model, offset), 0);
  EXPECT_EQ(model, 1005);
  EXPECT_EQ(mdl_info(0).model, 1005);
  EXPECT_STREQ(mdl_info(0).name, "COMPANION");
  EXPECT_EQ(in_model_dir("n"), "..\\MODELS\\M1005\\n");
}

TEST_F(ObjectQueries, ReadObjectNamesItsGroupAndKeepsThePosition) {
  struct Case {
    int type, number;
    const char* name;
    const char* group;
    int status2;
    int next;  // the object number an op 7 reads afterwards
  } cases[] = {
      {1, 2, "PRINTINVOICES", "SALESGROUP", 4, 3},
      {2, 2, "PRINTINVOICES", "SALESGROUP", 4, 3},  // type 2 reads type 1
      {1, 3, "CUSTLIST", "", 1, 4},                 // its group 9 is missing
      {3, 4, "MAINMENU", "", 0, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + "/" + std::to_string(c.number));
    ObjRecord key;
    key.model = 5;
    key.type = static_cast<int16_t>(c.type);
    key.number = static_cast<int16_t>(c.number);
    ExtObject o;
    ASSERT_EQ(read_object(kOpReadEqual, 0, key, o), kKbDone);
    EXPECT_STREQ(o.name, c.name);
    EXPECT_STREQ(o.group_name, c.group);
    EXPECT_EQ(o.status2, c.status2);
    ObjRecord next;
    ASSERT_EQ(obj(kOpNext, 0, key, next), kKbDone);
    EXPECT_EQ(next.number, c.next);
  }
  ObjRecord key;
  key.model = 5;
  key.type = 1;
  key.number = 99;
  ExtObject o;
  EXPECT_EQ(read_object(kOpReadEqual, 0, key, o), kKbNotFound);
}

TEST_F(ObjectQueries, TimesAndNextObject) {
  const ExtObject* o = object_with_times(5, 2, 2);
  ASSERT_NE(o, nullptr);
  EXPECT_EQ(o->time1, 1000000u);
  EXPECT_EQ(o->time2, 4000000000u);
  EXPECT_STREQ(o->description, "Prints invoices");
  EXPECT_EQ(object_with_times(5, 1, 3)->time1, 0u);
  EXPECT_EQ(object_with_times(5, 1, 99), nullptr);
  EXPECT_EQ(object_time(5, 1, 2, 3), 0u);
  struct Case {
    int type, number, next;
  } cases[] = {
      {1, 0, 2},  {1, 2, 2},  {2, 3, 3}, {1, 4, 0},  // behind the last procedure: a menu follows
      {13, 2, 0},                                    // behind the last object of the model
      {7, 3, 10}, {7, 34, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(find_next_object(5, c.type, c.number), c.next) << c.type << "/" << c.number;
    EXPECT_EQ(next_object_number(5, c.type, c.number), c.next) << c.type << "/" << c.number;
  }
}

TEST_F(ObjectQueries, ObjectInfoTableNameAndReorganisation) {
  struct Case {
    int model, type, number;
    int result;
    const char* answer;  // name, group, description
  } cases[] = {
      {5, 1, 2, 1, "'PRINTI' 'SALESGROUP' 'Prints invoices'"},         // cut to 6
      {0, 1, 3, 1, "'CUSTLI' '' 'Customer list'"},                     // model 0: the cached one
      {5, 13, 1, 1, "'CUSTOMERSONTHEWEB' '' 'Customers on the web'"},  // no class record: whole
      {5, 3, 4, 1, "'MAINM' '' 'Main menu'"},
      {5, 1, 99, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + "/" + std::to_string(c.number));
    host::TermValue n, g, d;
    ASSERT_EQ(get_object_info(c.model, c.type, c.number, n, g, d), c.result);
    if (c.result) {
      EXPECT_EQ(show_term(n) + " " + show_term(g) + " " + show_term(d), c.answer);
    }
  }
  host::TermValue bound;
  host::term_unify_atom("OTHER", bound);
  host::TermValue g, d;
  EXPECT_EQ(get_object_info(5, 1, 2, bound, g, d), 0);
  mdl_info(65535);
  EXPECT_EQ(get_object_info(0, 1, 2, g, d, bound), 0);  // no cached model
  mdl_info(5);

  std::string name;
  EXPECT_EQ(get_table_name(5, 1, name), 1);
  EXPECT_EQ(name, "CUSTOMER");  // cut to 8, upper case
  EXPECT_EQ(get_table_name(5, 2, name), 1);
  EXPECT_EQ(name, "NOFLAGS");
  EXPECT_EQ(get_table_name(5, 3, name), 0);

  EXPECT_EQ(table_needs_reorg(5, 1), 0);  // value 0
  EXPECT_EQ(table_needs_reorg(5, 2), 1);  // value 3
  EXPECT_EQ(table_needs_reorg(5, 3), 1);  // no record
}

TEST_F(ObjectQueries, CalledPrograms) {
  struct Case {
    int type, number;
    const char* list;
  } cases[] = {
      {3, 4, "[[998|'runme.exe'],[1|2]]"},  // menu: 'E' gives the text, 'P' the program
      {1, 2, "[[998|'qnrun'],[1|3]]"},      // kinds 1 and 2 and type 5 left out
      {4, 8, "[[1|3]]"},                    // kind 24 left out
      {1, 3, "[]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + "/" + std::to_string(c.number));
    host::TermValue list;
    ASSERT_EQ(collect_called_programs(5, c.type, c.number, list), 1);
    EXPECT_EQ(show_term(list), c.list);
  }
  host::TermValue bound;
  host::term_unify_atom("[]", bound);
  EXPECT_EQ(collect_called_programs(5, 4, 8, bound), 0);
}

// Objects of type 11 keep their calls under type 5, whose walk ends at the
// first information kind above 10.
TEST_F(ModelQueries, CalledProgramsOfType11) {
  open(
      "mdl model=5 name=DEMO\n"
      "oinf model=5 type=5 number=2 kind=3 ref_type=1 ref_number=7\n"
      "oinf model=5 type=5 number=2 kind=10 ref_type=998 text=tool\n"
      "oinf model=5 type=5 number=2 kind=11 ref_type=1 ref_number=8\n"
      "oinf model=5 type=11 number=2 kind=3 ref_type=1 ref_number=9\n");
  host::TermValue list;
  ASSERT_EQ(collect_called_programs(5, 11, 2, list), 1);
  EXPECT_EQ(show_term(list), "[[1|7],[998|'tool']]");
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
    isam::KbBuilder b;
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
      {"PROGONLY", "1"},   {"DTASRC", "4"},       {"MDLTYPE", std::nullopt}, {"DBMS", "DB2"},
      {"BATCH", "Y"},      {"java_pkg", "com.x"}, {"NEVER", std::nullopt},
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
