#include "platform/registry_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qn::platform {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class RegistryTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qn_regtree_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    file_ = (dir_ / "registry.ini").string();
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
  std::string file_;
};

const char* const kOther =
    "; kept as written\r\n"
    "[QnJava7.Generator]\r\n"
    "CLSID={1150E36F-5DB6-4EFB-8CCC-98D9AB3A6385}\r\n"
    "LocalServer32=/opt/qn/bin/qnjavagen -Automation\r\n";

TEST_F(RegistryTreeTest, KeysValuesAndRemovalLeaveOtherSectionsAlone) {
  { std::ofstream(file_, std::ios::binary) << kOther; }
  RegistryTree t = RegistryTree::load(file_);
  const std::string before = t.text();

  t.set_value("CLSID\\{C}", "", "Thing Class");
  t.set_value("CLSID\\{C}\\InprocServer32", "", "/x/lib a.so");
  t.set_value("CLSID\\{C}\\InprocServer32", "ThreadingModel", "both");
  t.set_value("clsid\\{c}\\inprocserver32", "threadingmodel", "Apartment");  // replaced in place
  t.create_key("CLSID\\{C}\\Programmable");
  t.set_value("CLSID\\{D}", "", "Other");

  struct Case {
    const char* key;
    const char* name;
    std::optional<std::string> value;
  };
  const Case cases[] = {
      {"CLSID\\{C}", "", "Thing Class"},
      {"CLSID\\{c}\\INPROCSERVER32", "", "/x/lib a.so"},
      {"CLSID\\{C}\\InprocServer32", "ThreadingModel", "Apartment"},
      {"CLSID\\{C}\\InprocServer32", "Missing", std::nullopt},
      {"CLSID\\{C}\\Programmable", "", std::nullopt},  // a key without a default value
      {"QnJava7.Generator", "CLSID", "{1150E36F-5DB6-4EFB-8CCC-98D9AB3A6385}"},
      {"QnJava7.Generator", "", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " " + c.name);
    EXPECT_EQ(t.value(c.key, c.name), c.value);
  }
  EXPECT_TRUE(t.has_key("CLSID"));  // implied by the keys below it
  EXPECT_TRUE(t.has_key("CLSID\\{C}\\Programmable"));
  EXPECT_FALSE(t.has_key("CLSID\\{C}\\Program"));
  EXPECT_FALSE(t.has_key("CLSID\\{"));

  ASSERT_TRUE(t.save(file_, nullptr));
  EXPECT_EQ(read(file_),
            "; kept as written\n"
            "[QnJava7.Generator]\n"
            "CLSID={1150E36F-5DB6-4EFB-8CCC-98D9AB3A6385}\n"
            "LocalServer32=/opt/qn/bin/qnjavagen -Automation\n"
            "[CLSID\\{C}]\n@=Thing Class\n"
            "[CLSID\\{C}\\InprocServer32]\n@=/x/lib a.so\nThreadingModel=Apartment\n"
            "[CLSID\\{C}\\Programmable]\n"
            "[CLSID\\{D}]\n@=Other\n");
  // The generator's own entry still reads through its own routine.
  auto server = find_server("qnjava7.generator", file_);
  ASSERT_TRUE(server);
  EXPECT_EQ(server->command, "/opt/qn/bin/qnjavagen -Automation");

  RegistryTree again = RegistryTree::load(file_);
  EXPECT_TRUE(again.remove_key("clsid\\{c}"));  // with its subkeys, not {D}
  EXPECT_FALSE(again.remove_key("CLSID\\{C}"));
  EXPECT_TRUE(again.has_key("CLSID\\{D}"));
  EXPECT_TRUE(again.remove_key("CLSID"));
  EXPECT_EQ(again.text(), before);
}

TEST_F(RegistryTreeTest, MissingFileIsEmptyAndUnwritableFileFails) {
  RegistryTree t = RegistryTree::load((dir_ / "none.ini").string());
  EXPECT_FALSE(t.has_key("CLSID"));
  EXPECT_EQ(t.text(), "");
  EXPECT_TRUE(t.set_value("A", "", "1"));
  // Texts the file cannot hold are refused and leave nothing behind.
  EXPECT_FALSE(t.set_value("A", "", "1\n[B]"));
  EXPECT_FALSE(t.set_value("A", "x=y", "1"));
  EXPECT_FALSE(t.set_value("A\r\nB", "", "1"));
  EXPECT_FALSE(t.create_key("C\n"));
  EXPECT_EQ(t.text(), "[A]\n@=1\n");
  { std::ofstream(dir_ / "blocker") << "x"; }
  std::string error;
  EXPECT_FALSE(t.save((dir_ / "blocker" / "registry.ini").string(), &error));
  EXPECT_NE(error, "");
}

}  // namespace
}  // namespace qn::platform
