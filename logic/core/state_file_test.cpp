#include "logic/core/state_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "config/config_qn.h"
#include "engine/clause_io.h"
#include "engine/engine.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

// Runs in a fresh model directory made current (the state file and the
// external-program list are found there).
class LogicCoreStateFile : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("qn_state_file_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(old_);
    fs::remove_all(dir_);
  }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name) << text;
  }

  fs::path old_, dir_;
};

TEST_F(LogicCoreStateFile, FileNameOfTheModel) {
  EXPECT_EQ(state_file_name(3), ".\\sm11_3.ari");
  EXPECT_EQ(state_file_name(12), ".\\sm11_12.ari");
}

// What one run saves, the next run loads back unchanged.
TEST_F(LogicCoreStateFile, StateSurvivesToTheNextRun) {
  const char* saved =
      "ij_object_dependency('My Proc', [a, 'B c'], []).\n"
      "called_program_i(0, 6, 1, 2).\n"
      "called_program_i(1, 2, 2, 3).\n"
      "odbc_call_i(pcalc, 'MY PROC', \"INOUT CHAR(10)\").\n"
      "call_tree_builded_i.\n"
      "is_webproc_i('it''s').\n"
      "unrelated_i(1).\n";
  {
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(eng.consult_text(saved, false));
    write("sm11_4.ari", "former\n");
    ASSERT_TRUE(save_state(run, 4));
  }
  std::ifstream in(dir_ / "sm11_4.ari");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text,
            "odbc_call_i(pcalc,'MY PROC',\"INOUT CHAR(10)\").\n"
            "called_program_i(0,6,1,2).\n"
            "called_program_i(1,2,2,3).\n"
            "call_tree_builded_i.\n"
            "is_webproc_i('it\\'s').\n"
            "ij_object_dependency('My Proc',[a,'B c'],[]).\n");
  engine::Engine eng;
  logic::Run run(eng);
  ASSERT_TRUE(eng.consult_text("old_called_program_i(0, 6, 9, 9).", false));
  EXPECT_EQ(load_state(run, 4), StateFound::kLoaded);
  engine::Engine expected;
  ASSERT_TRUE(expected.consult_text(saved, false));
  for (const auto& key : state_predicates()) {
    EXPECT_EQ(eng.facts().clauses(key), expected.facts().clauses(key)) << key.name.name();
  }
  EXPECT_EQ(eng.facts().count("old_called_program_i", 4), 0u);
  EXPECT_TRUE(eng.file_errors());
  EXPECT_TRUE(eng.syntax_errors());
}

TEST_F(LogicCoreStateFile, MissingStateFileStartsEmpty) {
  engine::Engine eng;
  logic::Run run(eng);
  EXPECT_EQ(load_state(run, 9), StateFound::kMissing);
  EXPECT_EQ(eng.facts().count("called_program_i", 4), 0u);
}

// A file cut in the middle of a fact is found damaged; the facts before and
// after the damage are kept.
TEST_F(LogicCoreStateFile, DamagedStateFileKeepsWhatReads) {
  write("sm11_5.ari", "called_program_i(0,6,1,2).\ncalled_program_i(1,\nis_webproc_i(p).\n");
  engine::Engine eng;
  logic::Run run(eng);
  EXPECT_EQ(load_state(run, 5), StateFound::kDamaged);
  EXPECT_EQ(eng.facts().count("called_program_i", 4), 1u);
  EXPECT_TRUE(eng.file_errors());
  EXPECT_TRUE(eng.syntax_errors());
}

TEST_F(LogicCoreStateFile, ExternalPrograms) {
  write("extprog.ini",
        "[ExternalPrograms]\n"
        "Program1=Backup\n"
        "Program2=Gen1\n"
        "Program3=\n"
        "Program4=Later\n"
        "[BACKUP]\n"
        "ProgramType=Executable\n"
        "Name=backup.sh\n"
        "[GEN1]\n"
        "ProgramType=GENERATOR\n"
        "ParmMode=in, out,inout\n"
        "ParmType=N(5) C(10)\n"
        "[GEN1.11]\n"
        "Name=genone\n"
        "[LATER]\n"
        "ProgramType=executable\n"
        "Name=later\n");
  engine::Engine eng;
  logic::Run run(eng);
  read_external_programs(run);
  std::vector<std::string> got;
  for (const Term& t : eng.facts().clauses("external_program_i", 3))
    got.push_back(engine::writeq(t));
  EXPECT_EQ(got,
            (std::vector<std::string>{
                "external_program_i('BACKUP',executable,['backup.sh'])",
                "external_program_i('GEN1',generator,[genone,[in,out,inout],['N(5)','C(10)']])",
            }));
  struct Case {
    const char* name;
    const char* type;  // "" when not found
  } cases[] = {{"backup", "executable"},
               {"\"gen1\"", "generator"},
               {"'Backup'", "executable"},
               {"later", ""},
               {"\"gen1", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto p = get_external_program(run, c.name);
    if (*c.type) {
      ASSERT_TRUE(p);
      EXPECT_EQ(p->type.text(), c.type);
    } else {
      EXPECT_FALSE(p);
    }
  }
}

// The sample model's stored procedures: DTASRC=12 in its config.qn makes
// the default store an SQL Server store; a store the model does not have
// (and no object is loaded yet) leaves its program out.
TEST_F(LogicCoreStateFile, SampleModelStoredProcedures) {
  const fs::path sample = fs::path(QN_SOURCE_DIR) / "examples" / "sample-model";
  for (const char* f : {"config.qn", "extprog.ini"}) fs::copy_file(sample / f, dir_ / f);
  config::reset_config_keys();
  config::ReadConfigFile("config.qn");
  engine::Engine eng;
  logic::Run run(eng);
  ASSERT_TRUE(eng.consult_text("model_num_i(1). model_i(1, 1). offset_i(1000).", false));
  load_state(run, 1);
  config::reset_config_keys();
  std::vector<std::string> got;
  for (const Term& t : eng.facts().clauses("external_program_i", 3))
    got.push_back(engine::writeq(t));
  EXPECT_EQ(got, (std::vector<std::string>{
                     "external_program_i('BACKUP',executable,['backup.sh'])",
                     "external_program_i('CUSTTOTALS',storedprocedure,"
                     "[sqlserver,sp_cust_totals,[in,out],['INTEGER','DECIMAL']])",
                 }));
}

// The DataStore of a stored procedure: empty or "Default" is the default
// store (DTASRC 12 here), another is found by name among the data stores
// known so far; the section of its DBMS gives the name and types.
TEST_F(LogicCoreStateFile, StoredProcedureDataStores) {
  struct Case {
    const char* store;
    const char* fact;  // "" when the program is left out
  } cases[] = {
      {"", "external_program_i('SP',storedprocedure,[sqlserver,spsql,[in,'Out'],['Int']])"},
      {"DEFAULT", "external_program_i('SP',storedprocedure,[sqlserver,spsql,[in,'Out'],['Int']])"},
      {"lib400",
       "external_program_i('SP',storedprocedure,[as400,sp400,['IN','OUT'],['CHAR(2)'],'C'])"},
      {"nowhere", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.store);
    write("extprog.ini",
          std::string("[ExternalPrograms]\nProgram1=sp\n[SP]\nProgramType=storedprocedure\n"
                      "ParmMode=in Out\nDataStore=") +
              c.store +
              "\n[SP.sqlserver]\nName=spsql\nParmType=Int\n"
              "[SP.as400]\nName=sp400\nParmType=char(2)\nLanguage=C\n");
    engine::Engine eng;
    logic::Run run(eng);
    run.stand_in_host("i_config", 2, [](logic::Run&, std::span<Term> a) {
      if (a[0].text() != "DTASRC") return false;
      a[1] = Term::string("12");
      return true;
    });
    ASSERT_TRUE(eng.consult_text("datastore_i([2, \"Lib400\", 4]).", false));
    read_external_programs(run);
    const auto facts = eng.facts().clauses("external_program_i", 3);
    if (*c.fact) {
      ASSERT_EQ(facts.size(), 1u);
      EXPECT_EQ(engine::writeq(facts[0]), c.fact);
    } else {
      EXPECT_TRUE(facts.empty());
    }
  }
}

TEST_F(LogicCoreStateFile, NoExternalProgramFile) {
  engine::Engine eng;
  logic::Run run(eng);
  read_external_programs(run);
  EXPECT_EQ(eng.facts().count("external_program_i", 3), 0u);
}

}  // namespace
}  // namespace qn::logic
