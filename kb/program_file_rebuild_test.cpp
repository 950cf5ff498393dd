#include "kb/program_file_rebuild.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "host/program_files.h"
#include "kb/kb_test_fixture.h"
#include "kb/model_queries.h"
#include "platform/full_disk_test.h"

namespace qn::kb {
namespace {

namespace fs = std::filesystem;

const char* const kFiles[] = {"QNTPRGS.006", "QNPPRGS.006", "QNRPRGS.006", "QNMPRGS.006",
                              "QNWPRGS.006"};

std::string read_bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Model 6 of the demo knowledge base, its directory MODELS\M6 below the
// current one.
class ProgramFileRebuild : public KbFixture {
 protected:
  void SetUp() override {
    KbFixture::SetUp();
    reset_model_queries();
    host::reset_program_files();
    std::ofstream("model.dat") << "";
    build_file();
    ASSERT_EQ(OpenKnowledgeBase(0), 1);
    set_model_block_size(kModelBlockSize);
    mdl_info(6);
    models_ = dir_ / "MODELS" / "M6";
    fs::create_directories(models_);
  }
  void TearDown() override {
    host::reset_program_files();
    reset_model_queries();
    KbFixture::TearDown();
  }
  // Compares a rebuilt file with its golden file; the actual one is kept
  // under the build folder.
  void expect_golden(const char* name) {
    SCOPED_TRACE(name);
    const std::string actual = read_bytes(models_ / name);
    const fs::path out = fs::path(QN_BINARY_DIR) / "golden" / "program_files";
    fs::create_directories(out);
    std::ofstream(out / name, std::ios::binary) << actual;
    EXPECT_EQ(actual, read_bytes(fs::path(QN_SOURCE_DIR) / "kb/testdata/program_files" / name));
  }
  fs::path models_;
};

TEST_F(ProgramFileRebuild, EachTypeAndAllTypesGiveTheGoldenFiles) {
  for (int type = 0; type <= 4; ++type) ASSERT_EQ(rbldobj(6, type, 0), 1);
  for (const char* f : kFiles) expect_golden(f);
  for (const char* f : kFiles) fs::remove(models_ / f);
  ASSERT_EQ(rbldobj(0, -1, 0), 1);  // model 0: the cached one
  for (const char* f : kFiles) expect_golden(f);
}

TEST_F(ProgramFileRebuild, StartRebuildsAMissingFileBelowType100) {
  ASSERT_EQ(prg_file_start(6, 3, 0), 1);
  expect_golden("QNMPRGS.006");
  // From type 100 on a missing file is created empty, never rebuilt.
  ASSERT_EQ(prg_file_start(6, 101, 0), 1);
  EXPECT_EQ(fs::file_size(models_ / "QNUPRGS.006"), 0u);
  // An existing file is read as it is.
  std::ofstream(models_ / "QNTPRGS.006", std::ios::binary) << "";
  ASSERT_EQ(prg_file_start(6, 0, 0), 1);
  EXPECT_EQ(fs::file_size(models_ / "QNTPRGS.006"), 0u);
  EXPECT_EQ(prg_file_close(), 1);
}

// A file that cannot be created fails the start and leaves the other
// files alone; a directory stands in its place (root ignores permissions).
TEST_F(ProgramFileRebuild, AFileThatCannotBeCreatedFailsTheStart) {
  fs::create_directories(models_ / "QNPPRGS.006");
  std::ofstream(models_ / "QNTPRGS.006", std::ios::binary) << "kept";
  EXPECT_EQ(prg_file_start(6, 1, 0), 0);
  EXPECT_TRUE(fs::is_directory(models_ / "QNPPRGS.006"));
  EXPECT_EQ(read_bytes(models_ / "QNTPRGS.006"), "kept");
  EXPECT_EQ(rbldobj(6, -1, 0), 0);  // stops at the first file it cannot write
  expect_golden("QNTPRGS.006");     // type 0 came before it, rebuilt whole
  EXPECT_FALSE(fs::exists(models_ / "QNRPRGS.006"));
}

// A rebuild replaces a file whole: when the disk fills (the file-size limit
// stands in for it) the former file stays as it was, never half rebuilt.
TEST_F(ProgramFileRebuild, FailedRebuildKeepsTheFormerFile) {
  std::ofstream(models_ / "QNPPRGS.006", std::ios::binary) << "kept";
  int built;
  {
    platform::FullDiskAfter full(100);  // less than the file's seven records
    built = rbldobj(6, 1, 0);
  }
  EXPECT_EQ(built, 0);
  EXPECT_EQ(read_bytes(models_ / "QNPPRGS.006"), "kept");
  for (const auto& e : fs::directory_iterator(models_))
    EXPECT_NE(e.path().filename().string()[0], '.') << "a temporary was left";
}

}  // namespace
}  // namespace qn::kb
