#include "platform/binary_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

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

}  // namespace
}  // namespace qn::platform
