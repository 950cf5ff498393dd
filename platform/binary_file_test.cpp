#include "platform/binary_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/full_disk_test.h"

namespace qn::platform {
namespace {

namespace fs = std::filesystem;

TEST(BinaryFile, WritesAndReadsBackEveryByte) {
  fs::path dir = fs::temp_directory_path() / ("qn_binary_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string path = (dir / "data.bin").string();
  std::string bytes(200000, '\0');  // more than the writer's buffer, in pieces of both sizes
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);

  BinaryFileWriter writer;
  ASSERT_TRUE(writer.create(path));
  writer.write(bytes.data(), 10);
  writer.write(bytes.data() + 10, 100000);
  writer.write(bytes.data() + 100010, bytes.size() - 100010);
  EXPECT_TRUE(writer.close());

  BinaryFileReader reader;
  ASSERT_TRUE(reader.open(path));
  std::string back;
  char buf[4096];
  while (size_t n = reader.read(buf, sizeof buf)) back.append(buf, n);
  EXPECT_EQ(back, bytes);

  for (std::string bad : {(dir / "missing" / "x.bin").string(), dir.string(),
                          path + std::string(1, '\0') + "x", std::string()}) {
    SCOPED_TRACE(bad);
    BinaryFileWriter w;
    EXPECT_FALSE(w.create(bad));
    EXPECT_FALSE(w.close());
  }
  fs::remove_all(dir);
}

class AtomicFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qn_atomic_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    target_ = (dir_ / "state.ari").string();
    std::ofstream(target_) << "old\n";
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string content() const {
    std::ifstream in(target_);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // The names in the folder: the target alone, no temporary left over.
  size_t names() const {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++n;
    return n;
  }
  fs::path dir_;
  std::string target_;
};

TEST_F(AtomicFile, ReplacesWholeOrNotAtAll) {
  {
    AtomicFileWriter w;
    ASSERT_TRUE(w.create(target_));
    w.write("half");
    EXPECT_EQ(content(), "old\n");  // the target is untouched until commit
  }                                 // dropped without commit
  EXPECT_EQ(content(), "old\n");
  EXPECT_EQ(names(), 1u);

  std::string error;
  fs::permissions(target_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write);
  EXPECT_TRUE(write_file_atomically(target_, "new\n", &error)) << error;
  EXPECT_EQ(content(), "new\n");
  EXPECT_EQ(fs::status(target_).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write);
  EXPECT_EQ(names(), 1u);
  const std::string fresh = (dir_ / "fresh.txt").string();
  EXPECT_TRUE(write_file_atomically(fresh, "x"));
  EXPECT_TRUE(fs::exists(fresh));

  EXPECT_FALSE(write_file_atomically((dir_ / "missing" / "x").string(), "x", &error));
  EXPECT_NE(error.find("missing/x"), std::string::npos) << error;
}

// A write that fails half way (the file-size limit stands in for a full
// disk) leaves the former content and no temporary.
TEST_F(AtomicFile, FailedWriteKeepsTheFormerFile) {
  std::string error;
  bool ok;
  {
    FullDiskAfter full(100000);
    ok = write_file_atomically(target_, std::string(300000, 'x'), &error);
  }
  EXPECT_FALSE(ok);
  EXPECT_NE(error, "");
  EXPECT_EQ(content(), "old\n");
  EXPECT_EQ(names(), 1u);
}

TEST(BinaryFile, ReaderTakesRegularFilesOnly) {
  fs::path dir = fs::temp_directory_path() / ("qn_reader_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "plain") << "abc";
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  struct Case {
    std::string path;
    bool opens;
    FileFailure failure;
  };
  const Case cases[] = {
      {(dir / "plain").string(), true, FileFailure::kNone},
      {(dir / "none").string(), false, FileFailure::kMissing},
      {(dir / "fifo").string(), false, FileFailure::kOther},  // and never waits for a writer
      {dir.string(), false, FileFailure::kOther},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    BinaryFileReader r;
    EXPECT_EQ(r.open(c.path), c.opens);
    EXPECT_EQ(r.failure(), c.failure);
    std::vector<uint8_t> bytes;
    EXPECT_EQ(r.read_all(bytes), c.opens);
    EXPECT_EQ(bytes.size(), c.opens ? 3u : 0u);
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace qn::platform
