// The property predicates through the host-interface table, over a
// knowledge base, a definitions archive and the model's INI files.
#include <gtest/gtest.h>

#include <fstream>

#include "config/data_store.h"
#include "config/properties/prop_manager.h"
#include "config/properties/writer/pty_writer.h"
#include "engine/clause_io.h"
#include "engine/engine.h"
#include "kb/kb_test_fixture.h"
#include "kb/saved_property.h"
#include "logic/core/host_interface.h"
#include "platform/profile.h"

namespace qn::logic {
namespace {

using engine::Term;

class PropertyPredicates : public kb::KbFixture {
 protected:
  void SetUp() override {
    KbFixture::SetUp();
    config::forget_ini_paths();
    platform::profile_flush_cache();
    config::reset_data_store_prefs();
    kb::reset_saved_property_caches();
    build(
        "ocls model=1 type=7 last=2 name_len=8\n"
        "obj model=1 type=7 number=2 name=CUSTOMER\n"
        "idx model=1 table=2 index=1 name=ICUST\n"
        "oinf model=1 type=7 number=2 kind=15 text=Owner=abc\\nLocking=Y\n"
        "oinf model=1 type=7 number=2 kind=15 string=1 text=Fill=80\n");
    std::vector<uint8_t> bytes;
    config::ptywriter::BuildError error;
    ASSERT_TRUE(
        config::ptywriter::build("object DATASTORE\nlist kind=1\n  list kind=2 ids=DATASTORE\n    "
                                 "list kind=3\n      elem name=CS_SERVER\n",
                                 bytes, error));
    std::ofstream(dir_ / "DTASTORE.PTY", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    std::ofstream(dir_ / "QN.INI") << "[Data Sources]\nDs12=SQLSRV,sqlserver,DATASTORE\n";
    std::ofstream(dir_ / "MODEL.INI")
        << "[DSs0001]\nDatSto0001=12\n[Preferences 001]\nCS_SERVER=srv\n";
  }
  void TearDown() override {
    config::reset_data_store_prefs();
    kb::reset_saved_property_caches();
    config::forget_ini_paths();
    platform::profile_flush_cache();
    KbFixture::TearDown();
  }

  engine::Engine engine_;
  logic::Run run_{engine_};
};

Term T(const char* text) { return engine::parse_term(text).value(); }

TEST_F(PropertyPredicates, FoundUnknownAndDiffering) {
  struct Case {
    const char* name;
    std::vector<Term> args;
    const char* value;  // the last argument after the call; null: the call fails
  };
  const Case cases[] = {
      {"i_dstorepref", {T("'CS_SERVER'"), T("1"), T("1"), Term::fresh_var()}, "srv"},
      {"i_dstorepref", {T("\"CS_SERVER\""), T("1"), T("1"), T("srv")}, "srv"},
      {"i_dstorepref", {T("'NOTHING'"), T("1"), T("1"), Term::fresh_var()}, nullptr},
      {"i_dstorepref", {T("'CS_SERVER'"), T("1"), T("1"), T("other")}, nullptr},
      {"i_tblproperty", {T("1"), T("2"), T("'Owner'"), Term::fresh_var()}, "abc"},
      {"i_tblproperty", {T("1"), T("2"), T("'Locking'"), T("'Y'")}, "Y"},
      {"i_tblproperty", {T("1"), T("2"), T("'owner'"), Term::fresh_var()}, nullptr},
      {"i_tblproperty", {T("1"), T("2"), T("'Owner'"), T("xyz")}, nullptr},
      {"i_tblproperty", {T("1"), T("2"), T("f(x)"), Term::fresh_var()}, nullptr},
      {"i_idxproperty", {T("1"), T("'ICUST'"), T("'Fill'"), Term::fresh_var()}, "80"},
      {"i_idxproperty", {T("1"), T("'INONE'"), T("'Fill'"), Term::fresh_var()}, nullptr},
      {"i_idxproperty", {T("1"), T("'ICUST'"), T("'Fill'"), T("'81'")}, nullptr},
  };
  for (const auto& c : cases) {
    std::vector<Term> args = c.args;
    SCOPED_TRACE(std::string(c.name) + " " + engine::writeq(args[2]) + " " +
                 engine::writeq(args[3]));
    ASSERT_NE(find_host_predicate(c.name, 4), nullptr);
    ASSERT_EQ(call_host(run_, c.name, args), c.value != nullptr);
    if (c.value) {
      EXPECT_EQ(args[3].text(), c.value);
    }
  }
  // Every question about table 2 read its object text once.
  EXPECT_EQ(kb::saved_property_loads(), 2);  // the table, then the index
  EXPECT_EQ(config::definition_loads(), 1);
}

}  // namespace
}  // namespace qn::logic
