#include "platform/profile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace qn::platform {
namespace {

namespace fs = std::filesystem;

class PlatformProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("qn_profile_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    profile_flush_cache();
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return (dir_ / name).string();
  }

  fs::path dir_;
};

// A model file as a user may have edited it: CRLF and LF mixed, comments,
// quotes, a section given twice and malformed lines among good ones.
const char* const kModelIni =
    "; written by hand\r\n"
    "[Model 001]\r\n"
    "DataSource = 3\r\n"
    "Type=\"Java\"\r\n"
    "Empty=\r\n"
    "Quoted=' a b '\n"
    "Half=\"abc\n"
    "QuotedInt=\"12\"\n"
    "Name=first\n"
    "name=second\n"
    "a line without an equals sign\n"
    "=orphan value\n"
    "   ; Indented=comment\n"
    "Num=-42x\n"
    "Plus=+7\n"
    "Bad=abc\n"
    "Big=4294967297\n"
    "\n"
    "[model 001]\r\n"
    "Extra = dup-section\r\n"
    "Name=third\r\n"
    "[Broken\r\n"
    "AfterBroken=1\r\n"
    "[Other]\n"
    "Key=v";

TEST_F(PlatformProfile, StringReads) {
  const std::string file = write("model.ini", kModelIni);
  struct Case {
    const char* section;
    const char* key;
    const char* def;
    std::size_t max_len;
    const char* expected;
  };
  const Case cases[] = {
      {"MODEL 001", "datasource", "x", kProfileNoLimit, "3"},  // names ignore case, blanks trimmed
      {"Model 001", "Type", "x", kProfileNoLimit, "Java"},     // one pair of quotes removed
      {"Model 001", "Quoted", "x", kProfileNoLimit, " a b "},  // blanks inside quotes stay
      {"Model 001", "Half", "x", kProfileNoLimit, "\"abc"},    // unmatched quote stays
      {"Model 001", "Empty", "x", kProfileNoLimit, ""},        // present and empty
      {"Model 001", "Missing", "dflt", kProfileNoLimit, "dflt"},
      {"Model 001", "Missing", "dflt  ", kProfileNoLimit, "dflt"},  // default's trailing blanks
      {"Nowhere", "Key", "d", kProfileNoLimit, "d"},
      {"Model 001", "NAME", "x", kProfileNoLimit, "first"},         // first matching line wins
      {"Model 001", "Extra", "x", kProfileNoLimit, "dup-section"},  // second copy of the section
      {"Model 001", "AfterBroken", "x", kProfileNoLimit, "1"},      // a broken header is skipped
      {"Model 001", "Indented", "x", kProfileNoLimit, "x"},         // comment
      {"Model 001", "a line without an equals sign", "x", kProfileNoLimit, "x"},
      {"Model 001", "", "x", kProfileNoLimit, "x"},
      {"Model 001", "Quoted", "x", 2, " a"},  // cut after the quotes go
      {"Model 001", "DataSource", "x", 0, ""},
      {"Model 001", "Missing", "default", 3, "def"},
      {"Other", "Key", "x", kProfileNoLimit, "v"},  // last line without a line end
  };
  for (const Case& c : cases) {
    EXPECT_EQ(profile_string(file, c.section, c.key, c.def, c.max_len), c.expected)
        << c.section << " / " << c.key;
  }
  EXPECT_EQ(profile_lookup(file, "Model 001", "Empty"), std::optional<std::string>(""));
  EXPECT_EQ(profile_lookup(file, "Model 001", "Missing"), std::nullopt);
}

TEST_F(PlatformProfile, IntegerReads) {
  const std::string file = write("model.ini", kModelIni);
  struct Case {
    const char* key;
    int32_t def;
    int32_t expected;
  };
  const Case cases[] = {
      {"DataSource", 0, 3}, {"Num", 0, -42},   {"Plus", 0, 7},       {"Bad", 5, 0},
      {"Empty", 5, 5},      {"Missing", 9, 9}, {"QuotedInt", 0, 12}, {"Big", 0, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(profile_int(file, "Model 001", c.key, c.def), c.expected) << c.key;
  }
}

TEST_F(PlatformProfile, Enumeration) {
  const std::string file = write("model.ini", kModelIni);
  EXPECT_EQ(profile_sections(file), (std::vector<std::string>{"Model 001", "Other"}));
  EXPECT_EQ(
      profile_keys(file, "model 001"),
      (std::vector<std::string>{"DataSource", "Type", "Empty", "Quoted", "Half", "QuotedInt",
                                "Name", "Num", "Plus", "Bad", "Big", "Extra", "AfterBroken"}));
  auto entries = profile_entries(file, "Model 001");
  ASSERT_EQ(entries.size(), 13u);
  EXPECT_EQ(entries[1], (std::pair<std::string, std::string>{"Type", "Java"}));
  EXPECT_EQ(entries[6], (std::pair<std::string, std::string>{"Name", "first"}));
  EXPECT_TRUE(profile_keys(file, "Nowhere").empty());
}

TEST_F(PlatformProfile, KeyLinesKeepEverySpelling) {
  const std::string file = write("p.ini", "[Prefs]\nA=1\na=2\nA=3\nB='q'\n[prefs]\nC=\n");
  using Lines = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(profile_key_lines(file, "PREFS"),
            (Lines{{"A", "1"}, {"a", "2"}, {"A", "3"}, {"B", "q"}, {"C", ""}}));
  EXPECT_TRUE(profile_key_lines(file, "Nowhere").empty());
}

TEST_F(PlatformProfile, FileNamesAndMissingFiles) {
  write("model.ini", "[Model 002]\nDataSource=4\n");
  const std::string upper = (dir_ / "MODEL.INI").string();
  EXPECT_EQ(profile_int(upper, "Model 002", "DataSource", 0), 4);
  const std::string backslashed = dir_.string() + "\\Model.Ini";
  EXPECT_EQ(profile_string(backslashed, "Model 002", "DataSource", ""), "4");

  const std::string missing = (dir_ / "absent.ini").string();
  EXPECT_EQ(profile_string(missing, "S", "K", "d"), "d");
  EXPECT_EQ(profile_int(missing, "S", "K", -1), -1);
  EXPECT_TRUE(profile_sections(missing).empty());
  EXPECT_TRUE(profile_keys(missing, "S").empty());
}

TEST_F(PlatformProfile, ChangedFileIsReadAgain) {
  const std::string file = write("qn.ini", "[QNW]\nVersion=1\n");
  EXPECT_EQ(profile_int(file, "QNW", "Version", 0), 1);
  write("qn.ini", "[QNW]\nVersion=22\n");
  EXPECT_EQ(profile_int(file, "QNW", "Version", 0), 22);
  fs::remove(file);
  EXPECT_EQ(profile_int(file, "QNW", "Version", 0), 0);
}

}  // namespace
}  // namespace qn::platform
