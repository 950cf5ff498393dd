#include "logic/javaui/data_views.h"

#include <filesystem>
#include <fstream>

#include "logic/core/host_interface.h"
#include "logic/toolbox/test_fixture.h"

namespace qn::logic {
namespace {

using namespace webtest;
namespace fs = std::filesystem;

TEST(DataViews, FolderOfTheViews) {
  struct Case {
    const char* source;
    std::optional<std::string> folder;
  } cases[] = {
      {"C:\\M\\DEMO\\MDL001\\GEN11\\", "C:\\M\\DEMO\\MDL001\\"},
      {"c:\\m\\gen00\\", "c:\\m\\"},
      {"a\\GEN01\\b\\GEN02\\", "a\\GEN01\\b\\"},
      {"/m/GEN11/", "/m/"},
      {"C:\\M\\GENX\\", std::nullopt},
      {"C:\\M\\OLDGEN11\\", std::nullopt},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.eng.facts().assertz(engine::Term::compound(
        "dir_i", {engine::Term::atom("s"), engine::Term::atom(c.source)}));
    EXPECT_EQ(dv_spec_dir(f.run), c.folder) << c.source;
  }
  Fixture none;
  EXPECT_EQ(dv_spec_dir(none.run), std::nullopt);
}

// Views that cannot be written go to the error log; the object's own facts
// are there afterwards, the views' are not.
TEST(DataViews, BadViewsAreReportedAndTheObjectKeepsItsFacts) {
  const fs::path dir = fs::temp_directory_path() / "dv_views";
  fs::remove_all(dir);
  fs::create_directories(dir / "GEN11");
  std::ofstream(dir / "a.dv") << "rule_i(0, index(1, i, u, [1])).\n";
  std::ofstream(dir / "b.dv") << "rule_i(0, p(0, 0, fv, 5, [intname, 'V'])). rule_i(0, file(0, 0, [])).\n";
  std::vector<std::string> errors;
  dialog_senders().show_error = [&](std::string_view t) { errors.emplace_back(t); };
  Fixture f("dir_i(s, '" + (dir / "GEN11").string() + "/'). rule_i(0, prop('PGMTYPE', main)). ");
  load_data_views(f.run, 1);
  reset_dialog_senders();
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_NE(errors[0].find("a.dv: no fv entry names the view"), std::string::npos) << errors[0];
  EXPECT_NE(errors[1].find("b.dv: the view has no attributes"), std::string::npos) << errors[1];
  EXPECT_EQ(f.all("rule_i", 2), "rule_i(0,prop('PGMTYPE',main)) ");
  EXPECT_EQ(f.all("index_i", 2), "");
  EXPECT_TRUE(f.lines().empty());
  fs::remove_all(dir);
}

TEST(DataViews, NoViewsNoTrace) {
  const fs::path dir = fs::temp_directory_path() / "dv_none";
  fs::create_directories(dir / "GEN11");
  std::vector<std::string> errors;
  dialog_senders().show_error = [&](std::string_view t) { errors.emplace_back(t); };
  Fixture f("dir_i(s, '" + (dir / "GEN11").string() + "/'). rule_i(0, x). ");
  load_data_views(f.run, 1);
  reset_dialog_senders();
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(f.all("rule_i", 2), "rule_i(0,x) ");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace qn::logic
