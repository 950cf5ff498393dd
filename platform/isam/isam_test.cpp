#include "platform/isam/isam.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/isam/kb_codec.h"
#include "platform/isam/kb_layout.h"
#include "platform/isam/writer/kb_writer.h"

namespace qn::isam {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> key_of(short key_file, const std::vector<uint8_t>& image) {
  std::vector<uint8_t> key(kIsamMaxKeyLength);
  key.resize(IsamBuildKey(key_file, image.data(), key.data(), 0, static_cast<int>(image.size())));
  return key;
}

std::vector<uint8_t> image_of(std::string_view family,
                              std::vector<std::pair<std::string, std::string>> fields) {
  KbRecord r;
  std::string reason;
  EXPECT_TRUE(make_record(family, fields, r, reason)) << reason;
  return r.image;
}

// Key bytes order records as the queries need them.
TEST(KbIsamKeyOrder, KeysSortInFieldOrder) {
  struct Case {
    const char* what;
    short key_file;
    const char* family;
    std::vector<std::pair<std::string, std::string>> lower, higher;
  } cases[] = {
      {"negative binary below positive",
       17,
       "obj",
       {{"model", "1"}, {"type", "-1"}},
       {{"model", "1"}, {"type", "0"}}},
      {"binary 255 below 256",
       17,
       "obj",
       {{"model", "1"}, {"number", "255"}},
       {{"model", "1"}, {"number", "256"}}},
      {"binary model before type",
       17,
       "obj",
       {{"model", "1"}, {"type", "9"}},
       {{"model", "2"}, {"type", "0"}}},
      {"ext decimal 999 below 1000", 7, "tba", {{"position", "999"}}, {{"position", "1000"}}},
      {"ext decimal 1255 below 1256", 7, "tba", {{"position", "1255"}}, {{"position", "1256"}}},
      {"name shorter first", 11, "att", {{"name", "ABC"}}, {{"name", "ABCD"}}},
      {"NUL-padded name shorter first", 18, "obj", {{"name", "AB"}}, {{"name", "AB0"}}},
      {"oinf string before piece",
       46,
       "oinf",
       {{"string", "0"}, {"piece", "5"}},
       {{"string", "1"}, {"piece", "0"}}},
      {"time unsigned", 50, "qnio", {{"time", "2147483647"}}, {{"time", "2147483648"}}},
  };
  for (const auto& c : cases) {
    EXPECT_LT(key_of(c.key_file, image_of(c.family, c.lower)),
              key_of(c.key_file, image_of(c.family, c.higher)))
        << c.what;
  }
}

TEST(KbIsamKeyOrder, ByteLevelForms) {
  uint8_t b[4] = {};
  ASSERT_TRUE(put_ext_decimal(b, 3, 1000));
  EXPECT_EQ(std::vector<uint8_t>(b, b + 3), (std::vector<uint8_t>{64, 0, 0}));
  ASSERT_TRUE(put_ext_length(b, -1));
  EXPECT_EQ(std::vector<uint8_t>(b, b + 4), (std::vector<uint8_t>{64, 0, 0, 240}));  // 10240
  int16_t len;
  ASSERT_TRUE(get_ext_length(b, len));
  EXPECT_EQ(len, -1);
  ASSERT_TRUE(put_ext_length(b, 9999));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(b), 4), "9999");
  ASSERT_TRUE(put_ext_length(b, -2));
  int64_t stored;
  ASSERT_TRUE(get_ext_decimal(b, 4, stored));
  EXPECT_EQ(stored, 11264);
  // A binary key segment: big-endian, sign bit flipped.
  auto key = key_of(39, image_of("ixa", {{"model", "1"}, {"attribute", "-2"}}));
  EXPECT_EQ(key, (std::vector<uint8_t>{0x80, 0x01, 0x7F, 0xFE}));
  EXPECT_EQ(IsamBuildKey(99, b, b, 0, 0), -1);
}

class KbIsamRead : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) / ("kb_isam_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    IsamCloseSet();
    fs::remove_all(dir_);
  }
  void build(std::string_view description) {
    KbBuilder b;
    b.add_description(description);
    b.write(dir_.string());
  }
  short open() { return IsamOpenSet((dir_ / "PEFILES").c_str()); }
  static std::string name_of(const uint8_t* rec) { return get_name(rec + 12, 30); }
  std::vector<uint8_t> key(short key_file, std::string_view family,
                           std::vector<std::pair<std::string, std::string>> fields) {
    return key_of(key_file, image_of(family, fields));
  }
  fs::path dir_;
};

// Attributes 1..3 of class 10 in model 1, and attribute 4 of its own class.
constexpr const char* kAtts =
    "att model=1 number=3 class=10 name=C\n"
    "att model=1 number=1 class=10 name=A\n"
    "att model=1 number=4 class=4 name=D\n"
    "att model=1 number=2 class=10 name=B\n"
    "att model=2 number=1 class=1 name=OTHER\n";

TEST_F(KbIsamRead, EqualGreaterNextAndPrefix) {
  build(kAtts);
  ASSERT_EQ(open(), kIsamOk);
  uint8_t rec[199];
  auto k = key(9, "att", {{"model", "1"}, {"number", "2"}});
  ASSERT_EQ(IsamReadEqual(9, k.data(), rec), kIsamOk);
  EXPECT_EQ(name_of(rec), "B");
  ASSERT_EQ(IsamReadNext(9, rec), kIsamOk);
  EXPECT_EQ(name_of(rec), "C");

  k = key(9, "att", {{"model", "1"}, {"number", "5"}});
  EXPECT_EQ(IsamReadEqual(9, k.data(), rec), kIsamNotFound);
  EXPECT_EQ(IsamLastError(), kIsamNotFound);
  ASSERT_EQ(IsamReadGreaterEqual(9, k.data(), rec), kIsamOk);
  EXPECT_EQ(name_of(rec), "OTHER");
  EXPECT_EQ(IsamReadNext(9, rec), kIsamNotFound);

  // Duplicates of class 10 in the order of the unique key.
  k = key(10, "att", {{"model", "1"}, {"class", "10"}});
  std::string names;
  for (short s = IsamReadEqual(10, k.data(), rec); s == kIsamOk; s = IsamReadNext(10, rec))
    names += name_of(rec);
  EXPECT_EQ(names, "ABCOTHER");

  k = key(11, "att", {{"model", "1"}, {"name", "O"}});
  EXPECT_EQ(IsamReadPrefix(11, k.data(), rec, 4), kIsamNotFound);
  k = key(11, "att", {{"model", "2"}, {"name", "OT"}});
  ASSERT_EQ(IsamReadPrefix(11, k.data(), rec, 5), kIsamOk);
  EXPECT_EQ(name_of(rec), "OTHER");
}

TEST_F(KbIsamRead, PositionBelongsToTheDataFile) {
  build(kAtts);
  ASSERT_EQ(open(), kIsamOk);
  uint8_t rec[199], saved[199];
  EXPECT_EQ(IsamReadNext(10, rec), kIsamNoCurrent);
  auto k = key(10, "att", {{"model", "1"}, {"class", "10"}});
  ASSERT_EQ(IsamReadEqual(10, k.data(), saved), kIsamOk);  // A
  const int32_t pos = IsamCurrentPosition(8);
  ASSERT_GE(pos, 0);
  // A nested search moves the current record.
  k = key(9, "att", {{"model", "1"}, {"number", "4"}});
  ASSERT_EQ(IsamReadEqual(9, k.data(), rec), kIsamOk);
  EXPECT_EQ(name_of(rec), "D");
  // Next on another key file continues behind the current record in its order.
  ASSERT_EQ(IsamReadNext(11, rec), kIsamOk);
  EXPECT_EQ(name_of(rec), "OTHER");
  ASSERT_EQ(IsamSetPosition(8, pos, saved, 0), kIsamOk);
  ASSERT_EQ(IsamReadNext(10, rec), kIsamOk);
  EXPECT_EQ(name_of(rec), "B");
  // A position with another record's image is refused.
  EXPECT_EQ(IsamSetPosition(8, pos, rec, 0), kIsamBadPosition);
  EXPECT_EQ(IsamSetPosition(8, 99, saved, 0), kIsamBadPosition);
}

TEST_F(KbIsamRead, OpenFailures) {
  uint8_t rec[199] = {};
  EXPECT_EQ(IsamReadNext(9, rec), kIsamNotOpen);
  EXPECT_EQ(open(), kIsamNoParamFile);

  std::ofstream(dir_ / "PEFILES") << "# nothing\n";
  EXPECT_EQ(open(), kIsamBadParamFile);

  std::ofstream(dir_ / "PEFILES") << "DATABASE=missing.db\r\n";
  EXPECT_EQ(open(), kIsamCannotOpen);

  build(kAtts);
  auto change = [&](const char* sql) {
    sqlite3* db;
    ASSERT_EQ(sqlite3_open((dir_ / "knowledge.db").c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  };
  change("UPDATE kb_version SET version = 99");
  EXPECT_EQ(open(), kIsamCannotOpen);
  change("UPDATE kb_version SET version = 1; UPDATE att SET rec = x'00' WHERE rowid = 1");
  EXPECT_EQ(open(), kIsamCannotOpen);
  std::ofstream(dir_ / "knowledge.db", std::ios::trunc) << "not a database";
  EXPECT_EQ(open(), kIsamCannotOpen);
  EXPECT_EQ(IsamCloseSet(), kIsamOk);
  EXPECT_EQ(IsamCloseSet(), kIsamOk);
}

}  // namespace
}  // namespace qn::isam
