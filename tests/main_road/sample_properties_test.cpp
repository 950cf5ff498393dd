// The sample model's data-store preferences and saved table and index
// properties, read through the host-interface predicates against the built
// program folder (DTASTORE.PTY and QN.INI as shipped).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "config/data_store.h"
#include "config/properties/prop_manager.h"
#include "engine/clause_io.h"
#include "engine/engine.h"
#include "host/directories.h"
#include "kb/kb_open.h"
#include "kb/saved_property.h"
#include "logic/core/host_interface.h"
#include "platform/profile.h"

namespace {

namespace fs = std::filesystem;
using qn::engine::Term;

class SampleProperties : public ::testing::Test {
 protected:
  void SetUp() override {
    old_cwd_ = fs::current_path();
    model_ = fs::temp_directory_path() / ("qn_sample_props_" + std::to_string(::getpid()));
    fs::remove_all(model_);
    fs::copy(std::string(QN_SOURCE_DIR) + "/examples/sample-model", model_,
             fs::copy_options::recursive);
    for (const char* f : {"PEFILES", "knowledge.db"}) {
      fs::copy_file(fs::path(QN_SAMPLE_KB_DIR) / f, model_ / f,
                    fs::copy_options::overwrite_existing);
    }
    fs::current_path(model_);
    qn::host::set_program_path_for_tests(std::string(QN_PROGRAM_DIR) + "/qnjavagen");
    reset();
  }
  void TearDown() override {
    reset();
    qn::kb::close_isam();
    fs::current_path(old_cwd_);
    fs::remove_all(model_);
  }
  static void reset() {
    qn::config::forget_ini_paths();
    qn::platform::profile_flush_cache();
    qn::config::reset_data_store_prefs();
    qn::kb::reset_saved_property_caches();
  }

  fs::path old_cwd_, model_;
  qn::engine::Engine engine_;
  qn::logic::Run run_{engine_};
};

Term T(const char* text) { return qn::engine::parse_term(text).value(); }

TEST_F(SampleProperties, ReadThroughThePredicates) {
  struct Case {
    const char* predicate;
    std::vector<Term> args;
    const char* value;  // null: no value
  };
  const Case cases[] = {
      {"i_dstorepref",
       {T("'JDBC_DRIVER'"), T("1"), T("1"), Term::fresh_var()},
       "com.example.qedbase.Driver"},
      {"i_dstorepref", {T("'CS_DBNAME'"), T("1"), T("1"), Term::fresh_var()}, "SAMPLE"},
      {"i_dstorepref", {T("'MAIN_DS'"), T("1"), T("1"), Term::fresh_var()}, "-1"},
      {"i_dstorepref", {T("'REORG_GEN'"), T("1"), T("1"), Term::fresh_var()}, "11"},
      {"i_dstorepref", {T("'CS_SERVER'"), T("1"), T("1"), Term::fresh_var()}, ""},
      {"i_dstorepref",
       {T("'CS_SERVER'"), T("2"), T("1"), Term::fresh_var()},
       "reports.example.com"},
      {"i_dstorepref", {T("'DBMS_PORT'"), T("2"), T("1"), Term::fresh_var()}, "1433"},
      {"i_dstorepref", {T("'MAIN_DS'"), T("2"), T("1"), Term::fresh_var()}, "0"},
      {"i_dstorepref", {T("'IFX_SERVER_INST'"), T("2"), T("1"), Term::fresh_var()}, nullptr},
      {"i_dstorepref", {T("'NO_SUCH'"), T("2"), T("1"), Term::fresh_var()}, nullptr},
      {"i_tblproperty", {T("1"), T("1"), T("'Owner'"), Term::fresh_var()}, "dbo"},
      {"i_tblproperty", {T("1"), T("1"), T("'Locking'"), Term::fresh_var()}, "Row"},
      {"i_tblproperty", {T("1"), T("2"), T("'Owner'"), Term::fresh_var()}, nullptr},
      {"i_idxproperty", {T("1"), T("'ICUSTOMER'"), T("'FillFactor'"), Term::fresh_var()}, "80"},
      {"i_idxproperty", {T("1"), T("'ICUSTOMER'"), T("'Owner'"), Term::fresh_var()}, nullptr},
  };
  for (const auto& c : cases) {
    std::vector<Term> args = c.args;
    SCOPED_TRACE(std::string(c.predicate) + " " + qn::engine::writeq(args[2]));
    ASSERT_EQ(qn::logic::call_host(run_, c.predicate, args), c.value != nullptr);
    if (c.value) {
      EXPECT_EQ(args[3].text(), c.value);
    }
  }
}

}  // namespace
