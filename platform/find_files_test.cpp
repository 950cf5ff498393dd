#include "platform/find_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace qn::platform {
namespace {

namespace fs = std::filesystem;

TEST(Wildcard, Matches) {
  struct Case {
    const char* pattern;
    const char* name;
    bool match;
  } cases[] = {
      {"a*b?c", "AxxBzC", true},
      {"a*b?c", "AxxBC", false},
      {"x.*", "X", true},
      {"*.jar", "A.JAR", true},
      {"*.jar", "a.jar.old", false},
      {"a?c.*", "abc.txt", true},
      {"a?c.*", "ac.txt", false},
      {"*.*", "README", true},
      {"READ*", "readme.txt", true},
      {"*x*y", "axbxcy", true},
      {"*x*y", "axbxc", false},
      {"", "a", false},
      {"*.", "README", true},
      {"*.", "a.txt", false},
      {"*.", "a.b.c", false},
      {"a.b.", "A.B", true},
      {"read*.", "readme.txt", false},
      {"\xC9t\xE9.txt", "\xE9T\xC9.TXT", true},  // Windows-1252 letters ignore case too
  };
  for (const Case& c : cases)
    EXPECT_EQ(wildcard_match(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST(FindFiles, RegularFilesSortedIgnoringCase) {
  fs::path dir = fs::temp_directory_path() / ("qn_find_" + std::to_string(::getpid()));
  fs::create_directories(dir / "sub.jar");
  for (const char* name : {"b.jar", "A.JAR", "c.txt"}) std::ofstream(dir / name) << name;
  EXPECT_THAT(find_files(dir.string(), "*.jar"), ::testing::ElementsAre("A.JAR", "b.jar"));
  EXPECT_TRUE(find_files((dir / "missing").string(), "*").empty());
  fs::remove_all(dir);
}

}  // namespace
}  // namespace qn::platform
