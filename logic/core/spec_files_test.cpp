#include "logic/core/spec_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

class LogicCoreSpecFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qn_spec_files_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string write(const std::string& name, const std::string& text) {
    const fs::path p = dir_ / name;
    std::ofstream(p) << text;
    return p.string();
  }
  std::vector<std::string> facts(const char* name, uint32_t arity) {
    std::vector<std::string> out;
    for (const Term& t : run_.facts().clauses(name, arity)) out.push_back(engine::writeq(t));
    return out;
  }

  fs::path dir_;
  engine::Engine engine_;
  logic::Run run_{engine_};
};

TEST_F(LogicCoreSpecFiles, ClearListHasTheSeventyNinePredicates) {
  EXPECT_EQ(clear_list().size(), 79u);
}

// The next object's file starts without the cursors and reorganised tables of
// the one before.
TEST_F(LogicCoreSpecFiles, LoadingAFileForgetsTheObjectBeforesCursors) {
  ASSERT_TRUE(engine_.consult_text("embsql_cursor_i('P00132', [x]). c_num_i(1, [2], ['P00132']). "
                                    "new_tables(1, pk, ['P001', 'T']). ren_i(1, ['U']). super_tables_i(1, []).",
                                    false));
  ASSERT_TRUE(load_spec_file(run_, write("next.spc", "spec_i([rpt, 3, 'T', n]).")));
  EXPECT_TRUE(facts("embsql_cursor_i", 2).empty());
  EXPECT_TRUE(facts("new_tables", 3).empty());
  EXPECT_TRUE(facts("ren_i", 2).empty());
  EXPECT_TRUE(facts("super_tables_i", 2).empty());
  EXPECT_TRUE(facts("c_num_i", 3).empty());
}

TEST_F(LogicCoreSpecFiles, OlderLiteralsAreNumberedInFileOrder) {
  struct Case {
    const char* file;
    std::vector<std::string> lit4;
  } cases[] = {
      {"lit_i(1, a, [x]). lit_i(1, b, []). lit_i(2, c, []).",
       {"lit_i(0,1,a,[x])", "lit_i(1,1,b,[])", "lit_i(2,2,c,[])"}},
      {"lit_i(1, a, []). lit_i(7, 1, z, []).", {"lit_i(7,1,z,[])"}},
      {"spec_i([trn, 1, 'T', n]).", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(load_spec_file(run_, write("lits.spc", c.file)));
    EXPECT_EQ(facts("lit_i", 4), c.lit4);
    EXPECT_TRUE(facts("lit_i", 3).empty());
  }
}

TEST_F(LogicCoreSpecFiles, NextFileClearsThePreviousObjectButNotTheRunState) {
  ASSERT_TRUE(load_spec_file(
      run_,
      write("a.spc",
            "spec_i([trn, 1, 'A', a]). attri_i(x, [x]). level_i(1, [t]). rule_i(0, prop(a, b)).")));
  run_.facts().assertz(*engine::parse_term("called_program_i(0, 1, 1, 2)"));
  run_.facts().assertz(*engine::parse_term("pgm_id([1, trn, a])"));
  ASSERT_TRUE(load_spec_file(run_, write("b.spc", "spec_i([proc, 2, 'B', b]).")));
  EXPECT_EQ(facts("spec_i", 1), std::vector<std::string>{"spec_i([proc,2,'B',b])"});
  EXPECT_TRUE(facts("attri_i", 2).empty());
  EXPECT_TRUE(facts("level_i", 2).empty());
  EXPECT_TRUE(facts("rule_i", 2).empty());
  EXPECT_TRUE(facts("pgm_id", 1).empty());
  EXPECT_EQ(facts("called_program_i", 4).size(), 1u);
  EXPECT_EQ(engine_.ctr_is(1), 1);
  EXPECT_EQ(engine_.ctr_is(2), 1);
}

TEST_F(LogicCoreSpecFiles, MissingFileFailsAndBadClausesKeepTheRest) {
  EXPECT_FALSE(load_spec_file(run_, (dir_ / "none.spc").string()));
  ASSERT_TRUE(load_spec_file(
      run_, write("bad.spc", "spec_i([trn, 1, 'A', a]).\nlevel_i(1 [t]).\nattri_i(x, [x]).\n")));
  EXPECT_EQ(facts("spec_i", 1).size(), 1u);
  EXPECT_EQ(facts("attri_i", 2).size(), 1u);
  EXPECT_TRUE(engine_.syntax_errors());
}

// In a run file errors are on and the error hook throws: a file that
// vanished or cannot be read must still only fail its load, so that the
// object loop skips it and goes on.
TEST_F(LogicCoreSpecFiles, UnreadableFileFailsWithoutEndingTheRun) {
  fs::create_directories(dir_ / "folder.spc");
  engine_.set_error_hook([](int code, int number, int) {
    throw std::runtime_error("engine error " + std::to_string(code) + "/" + std::to_string(number));
  });
  engine_.set_file_errors(true);
  for (const char* name : {"vanished.spc", "folder.spc"}) {
    SCOPED_TRACE(name);
    bool loaded = true;
    EXPECT_NO_THROW(loaded = load_spec_file(run_, (dir_ / name).string()));
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(engine_.file_errors());
  }
  EXPECT_TRUE(load_spec_file(run_, write("next.spc", "spec_i([trn, 1, 'A', a]).")));
}

TEST_F(LogicCoreSpecFiles, GeneratingReorgFollowsTheModeFacts) {
  struct Case {
    const char* facts;
    bool reorg;
    bool reorg_or_ce;
  } cases[] = {
      {"menu_type_i(user). spec_i([trn, 1, 'T', t]).", false, false},
      {"menu_type_i(user). spec_i([ce, 1, 'C', c]).", true, true},
      {"menu_type_i(reo). spec_i([trn, 1, 'T', t]).", true, false},
      {"menu_type_i(crt).", true, false},
      {"menu_type_i(user). gen_reo_i. spec_i([proc, 1, 'P', p]).", true, true},
      {"menu_type_i(user). generating_qndb_i.", true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.facts);
    engine_.facts().clear();
    ASSERT_TRUE(engine_.consult_text(c.facts, false));
    EXPECT_EQ(generating_reorg(run_), c.reorg);
    EXPECT_EQ(reorg_or_ce_spec(run_), c.reorg_or_ce);
  }
}

TEST_F(LogicCoreSpecFiles, ModelNumberPairs) {
  ASSERT_TRUE(engine_.consult_text("model_i(1, 5). offset_i(1000).", false));
  using P = std::vector<std::pair<int64_t, int64_t>>;
  EXPECT_EQ(model_num_pair(run_, 1005), (P{{1, 5}, {5, 1005}}));
  EXPECT_EQ(model_num_pair(run_, 5), (P{{1, 5}, {5, 1005}}));
}

// The model's own fact file, or M<n>.ARI standing in for it; without its own
// file the model keeps no program or parameter facts.
TEST_F(LogicCoreSpecFiles, ModelFactFiles) {
  struct Case {
    int64_t first;
    std::vector<std::string> files;
    std::vector<std::string> programs;  // pgm_gen_i/2 after loading
    int64_t model = 5;
  } cases[] = {
      {5, {"M5.ARI"}, {"pgm_gen_i(one,1)", "pgm_gen_i(own,5)"}},
      {5, {}, {}},
      {1, {"MM5.ARI", "M5.ARI"}, {"pgm_gen_i(one,1)", "pgm_gen_i(mm,5)"}},
      {1, {"M5.ARI"}, {}},
      {1, {}, {}},
      // Model 1's own file is the shared one: its facts come once.
      {1, {}, {"pgm_gen_i(one,1)"}, 1},
  };
  const fs::path old = fs::current_path();
  fs::current_path(dir_);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.files.size());
    for (const auto& e : fs::directory_iterator(dir_)) fs::remove(e.path());
    write("M1.ARI", "pgm_gen_i(one, 1). parm_i(one, 1, 1). p_i(model, [lang, 'Spa']).");
    for (const auto& f : c.files) {
      write(f, f == "MM5.ARI" ? "pgm_gen_i(mm, 5). parm_i(mm, 1, 1)." : "pgm_gen_i(own, 5).");
    }
    engine_.facts().clear();
    run_.facts().assertz(
        Term::compound("model_i", {Term::integer(c.first), Term::integer(c.model)}));
    load_model_files(run_, c.model);
    EXPECT_EQ(facts("pgm_gen_i", 2), c.programs);
    EXPECT_EQ(facts("parm_i", 3).size(), c.programs.empty()             ? 0u
                                         : c.first == 1 && c.model != 1 ? 2u
                                                                        : 1u);
    EXPECT_EQ(facts("p_i", 2).size(), 1u);
    EXPECT_EQ(facts("model_num_i", 1),
              std::vector<std::string>{"model_num_i(" + std::to_string(c.model) + ")"});
    EXPECT_EQ(facts("idiom", 1), std::vector<std::string>{"idiom(spa)"});
    EXPECT_EQ(facts("dir_i", 2).at(0), "dir_i(u,.\\)");
  }
  fs::current_path(old);
}

}  // namespace
}  // namespace qn::logic
