// The make files as GNU make reads them: every generated file is given to
// `make -n` with the sources it names present, and a name is listed once.
#include "logic/program/make_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "logic/core/make_bookkeeping.h"
#include "logic/core/rule_terms.h"
#include "tests/make_check/make_check.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

struct Made {
  std::string name;
  std::vector<std::string> lines;
};

// A main procedure 1 calling procedure 2 and the menu bar 3; 2 reads
// table 7, whose classes need those of table 8.
enum class Kind { kMain, kReorg, kDeveloperMenu };

std::vector<Made> generate(const std::vector<std::pair<std::string, std::string>>& options,
                           int64_t cls, Kind kind = Kind::kMain) {
  engine::Engine eng;
  Run run(eng);
  EmitCapture& capture = run.capture_output();
  for (const auto& [k, v] : options) run.facts().assertz(fact("config_i", {atom(k), str(v)}));
  run.stand_in_host("i_obj_info", 7, [](Run&, std::span<Term> a) {
    a[3] = Term::atom("Obj" + std::to_string(a[2].as_int()));
    return true;
  });
  auto& f = run.facts();
  f.assertz(fact("pgm_main_i", {atom(cls == 13 ? "web" : "proc"), num(1), atom("x"), Term::list({num(11)})}));
  f.assertz(fact("called_program_i", {num(cls), num(1), num(1), num(2)}));
  f.assertz(fact("called_program_i", {num(cls), num(1), num(17), num(3)}));
  f.assertz(fact("called_program_i", {num(1), num(2), num(17), num(3)}));
  f.assertz(fact("ij_object_dependency", {atom("pobj2"), Term::list({atom("pobj2_aux")}), Term::list({num(7), num(8)})}));
  f.assertz(fact("ij_table_def", {num(7), atom("dbcORDERS"), atom("supcORDERS"), Term::list({num(8)})}));
  f.assertz(fact("ij_table_def", {num(8), atom("dbcCUSTOMER"), atom("supcCUSTOMER"), Term::list({})}));
  if (kind == Kind::kReorg) {
    f.assertz(fact("reorg_pgm_i", {atom("rgz")}));
    // The programs' make files that follow are the developer menu case's.
    for (const char* o : {"DMENU_MAK", "MENU_MAK"}) f.assertz(fact("config_i", {atom(o), str("NO")}));
    gen_reorg_make(run, 0);
  } else if (kind == Kind::kDeveloperMenu) {
    // The procedures' program file lists procedure 1 (of the other kinds
    // there is none); its record is read by number.
    int next = 0;
    run.stand_in_host("i_stqnprgs", 3, [&next](Run&, std::span<Term> a) {
      next = 0;
      return a[1].as_int() == 1;
    });
    run.stand_in_host("i_nxqnprgs", 7, [&next](Run&, std::span<Term> a) {
      if (next++ > 0) return false;
      a[3] = num(1);
      a[4] = Term::atom("Obj1");
      return true;
    });
    run.stand_in_host("i_clqnprgs", 2, [](Run&, std::span<Term>) { return true; });
    gen_reorg_make(run, 0);
  } else {
    gen_make_file(run, 0, cls, 1);
  }
  std::vector<Made> out;
  for (const CapturedFile& c : capture.files) {
    EXPECT_TRUE(c.closed) << c.path;
    out.push_back({fs::path(c.path).filename().string(), c.lines});
  }
  return out;
}

TEST(MakeFiles, GnuMakeRunsEveryForm) {
  ASSERT_TRUE(test::make::available())
      << "make is missing: install the Debian package make";
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> options;
    int64_t cls;
    Kind kind;
    const char* file;
  } cases[] = {
      {"plain", {}, 1, Kind::kMain, "aobj1.mak"},
      {"package", {{"PACKAGE", "com.demo.sample"}}, 1, Kind::kMain, "aobj1.mak"},
      {"servlet with blanks", {{"SERVLET_DIR", "srv dir\\web"}, {"CLIENT_STATIC_DIR", "static dir"}}, 13, Kind::kMain, "hobj1.mak"},
      {"servlet without static folder", {{"SERVLET_DIR", "srv"}}, 13, Kind::kMain, "hobj1.mak"},
      {"reorganisation with RED_MAK", {{"RED_MAK", "YES"}}, 1, Kind::kReorg, "Reorganization.mak"},
      {"developer menu", {{"MENU_MAK", "NO"}, {"PACKAGE", "com.demo"}}, 1, Kind::kDeveloperMenu, "developermenu.mak"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<Made> made = generate(c.options, c.cls, c.kind);
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0].name, c.file);
    EXPECT_EQ(test::make::check_make_n(c.file, made[0].lines), "");
  }
}

TEST(MakeFiles, NamesOnceAndCaseOfClassesKept) {
  const std::vector<Made> made = generate({{"RED_MAK", "YES"}}, 1, Kind::kReorg);
  ASSERT_EQ(made.size(), 1u);
  const auto& l = made[0].lines;
  const auto at = [&](const std::string& s) { return std::find(l.begin(), l.end(), s) - l.begin(); };
  EXPECT_LT(at("       qncrtdb.class \\"), at("       qnlred.class \\"));
  EXPECT_LT(at("       qnlred.class \\"), at("       qnrgza.class \\"));
  EXPECT_NE(at("       QNcfg.class \\"), static_cast<long>(l.size()));

  const std::vector<Made> main = generate({}, 1);
  ASSERT_EQ(main.size(), 1u);
  const auto& m = main[0].lines;
  // Table 8 is reached from 7 and as a table of its own: one entry, one rule.
  EXPECT_EQ(std::count(m.begin(), m.end(), "       dbcCUSTOMER.class \\"), 1);
  EXPECT_EQ(std::count(m.begin(), m.end(), "dbcCUSTOMER.class : dbcCUSTOMER.java"), 1);
  EXPECT_EQ(std::count(m.begin(), m.end(), "aobj1.class : aobj1.java"), 1);
  EXPECT_EQ(std::count(m.begin(), m.end(), "bobj3.class : bobj3.java"), 1);

  // The developer menu lists the programs of the program files with what
  // they call; its own class lies beside the model, outside the package.
  const std::vector<Made> menu = generate({{"MENU_MAK", "NO"}, {"PACKAGE", "com.demo"}}, 1,
                                          Kind::kDeveloperMenu);
  ASSERT_EQ(menu.size(), 1u);
  const auto& d = menu[0].lines;
  for (const char* line : {"       com/demo/aobj1.class \\", "       com/demo/pobj2.class \\",
                        "       com/demo/dbcCUSTOMER.class \\", "       developermenu.class \\",
                        "developermenu.class : developermenu.java",
                        "com/demo/aobj1.class : com/demo/aobj1.java"})
    EXPECT_EQ(std::count(d.begin(), d.end(), std::string(line)), 1) << line;
}

}  // namespace
}  // namespace qn::logic
