#include "logic/core/options.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "logic/core/options_test_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using Opt = std::optional<std::string>;

using LogicCoreOptions = OptionsFixture;

// The object's own rules win over the model, "UMPV" hands the question on,
// names compare in any case, and a number counts as its decimal text.
TEST_F(LogicCoreOptions, ProgramOptionValue) {
  config_ = {{"STATUSBAR", "always"}};
  struct Case {
    const char* rules;
    const char* name;
    Opt value;
  } cases[] = {
      {"rule_i(1, prop(\"statusbar\", \"UMPV\")). rule_i(2, prop(\"STATUSBAR\", \"never\")).",
       "StatusBar", "never"},
      {"rule_i(1, prop(statusbar, umpv)).", "STATUSBAR", "always"},
      {"rule_i(1, prop('DtaSrc', 7)).", "dtasrc", "7"},
      {"rule_i(1, prop(x, f(1))). rule_i(2, prop(x, \"b\")).", "X", "b"},
      {"rule_i(1, prop(x, a)). rule_i(2, prop(x, b)).", "x", "a"},
      {"", "package", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    object(c.rules);
    EXPECT_EQ(pgm_prop_value(run_, c.name), c.value);
  }
}

TEST_F(LogicCoreOptions, PrefixTestsAndDefaults) {
  struct Case {
    Opt value;
    bool is_y;
  } cases[] = {{"yes", true}, {"Y", true},   {"YES", true},
               {"", false},   {"no", false}, {std::nullopt, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value.value_or("(unset)"));
    object(c.value ? "rule_i(1, prop(opt, \"" + *c.value + "\"))." : "");
    EXPECT_EQ(pgm_prop_is(run_, "OPT", "Y"), c.is_y);
    EXPECT_EQ(pgm_prop_dft(run_, "opt", "dflt"), c.value.value_or("dflt"));
    EXPECT_EQ(pgm_prop_upper_dft(run_, "opt", "dflt"),
              platform::upper_1252(c.value.value_or("dflt")));
  }
  object("rule_i(1, prop(opt, \"Always_on\")).");
  EXPECT_TRUE(pgm_prop_is(run_, "opt", "always"));
  EXPECT_FALSE(pgm_prop_is(run_, "opt", "Always_on_top"));
  EXPECT_EQ(pgm_prop_upper(run_, "opt"), "ALWAYS_ON");
}

// Data store 1's preference, when not empty, comes before the host's
// configuration; what is found is asked once per run, across objects too.
TEST_F(LogicCoreOptions, ConfigurationSourcesAndCache) {
  config_ = {{"COMMENT_ON", "N"}, {"JOIN_TYPE", "outer"}};
  prefs_ = {{{1, "COMMENT_ON"}, "Y"}, {{1, "JOIN_TYPE"}, ""}, {{2, "UNSET"}, "x"}};
  EXPECT_EQ(config_value(run_, "comment_on"), "Y");
  EXPECT_EQ(config_value(run_, "join_type"), "outer");
  EXPECT_EQ(config_value(run_, "unset"), std::nullopt);
  EXPECT_EQ(pref_models_, (std::vector<int64_t>{1005, 1005, 1005}));
  EXPECT_EQ(run_.facts().count("config_i", 2), 2u);
  EXPECT_EQ(run_.facts().count("dstore_pref_i", 3), 2u);  // the empty value is a value

  const int configs = config_calls_, prefs = pref_calls_;
  for (const char* rules : {"rule_i(1, prop(other, 1)).", "rule_i(7, prop(another, 2))."}) {
    object(rules);
    EXPECT_EQ(pgm_prop_value(run_, "JOIN_TYPE"), "outer");
    EXPECT_TRUE(config_is(run_, "Comment_On", "y"));
  }
  EXPECT_EQ(config_calls_, configs);
  EXPECT_EQ(pref_calls_, prefs);
  // An object's rule still wins over the cache.
  object("rule_i(1, prop(comment_on, \"No\")).");
  EXPECT_FALSE(pgm_prop_is(run_, "COMMENT_ON", "Y"));
  EXPECT_TRUE(config_is(run_, "COMMENT_ON", "Y"));
}

TEST_F(LogicCoreOptions, DataStorePreference) {
  prefs_ = {{{3, "SQLSERVER_VERSION"}, "7"}};
  EXPECT_EQ(dstore_pref(run_, 3, "SQLSERVER_VERSION"), "7");
  EXPECT_EQ(dstore_pref(run_, 3, "SQLSERVER_VERSION"), "7");
  EXPECT_EQ(dstore_pref(run_, 2, "SQLSERVER_VERSION"), std::nullopt);
  EXPECT_EQ(pref_calls_, 2);
  // Without a model number there is no one to ask.
  run_.facts().abolish("model_num_i", 1);
  EXPECT_EQ(dstore_pref(run_, 4, "X"), std::nullopt);
  EXPECT_EQ(pref_calls_, 2);
}

TEST_F(LogicCoreOptions, StatusBar) {
  // msg(Arg, Word) as a command line of a work panel.
  auto msg_line = [](const char* word, const char* extra = "") {
    return std::string(
               "b_line_i(3, 1, 0, cmd, 0, [t(msg, 141, 0, 0), t(\"'Hi'\", 5, 0, 0), t(\",\", 7, 0, "
               "0), t(\"") +
           word + "\", 2, 0, 0), t(\")\", 4, 0, 0)" + extra + "]).";
  };
  struct Case {
    std::string facts;
    bool on;
  } cases[] = {
      {"spec_i([trn, 1, 'T', t]).", true},
      {"spec_i([proc, 1, 'P', p]).", false},
      {"spec_i([proc, 1, 'P', p]). rule_i(0, prop(statusbar, \"Always\")).", true},
      {"spec_i([trn, 1, 'T', t]). rule_i(0, prop(statusbar, \"NEVER\")).", false},
      {"spec_i([scr, 1, 'W', w]).", false},
      {"spec_i([scr, 1, 'W', w]). " + msg_line("NOWAIT"), true},
      {"spec_i([scr, 1, 'W', w]). " + msg_line("status"), true},
      {"spec_i([scr, 1, 'W', w]). " + msg_line("wait"), false},
      {"spec_i([scr, 1, 'W', w]). " + msg_line("nowait", ", t(x, 2, 0, 0)"), false},
      {"spec_i([web, 1, 'H', h]). " + msg_line("nowait"), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.facts);
    object(c.facts);
    EXPECT_EQ(statusbar_on(run_), c.on);
  }
}

TEST_F(LogicCoreOptions, SmallOptions) {
  struct Case {
    const char* rules;
    std::string package;
    bool reorg;
    bool init_new;
    Opt dbname;
  } cases[] = {
      {"", "", true, false, std::nullopt},
      {"rule_i(0, prop('PACKAGE', \"\")).", "", true, false, std::nullopt},
      {"rule_i(0, prop('PACKAGE', \"com.demo\")). rule_i(0, prop('CS_REORG', \"no\")). "
       "rule_i(0, prop(initialize_new, \"Yes\")).",
       "com.demo.", false, true, std::nullopt},
      {"rule_i(0, prop('CS_DBNAME', db)). rule_i(0, prop('DTALIB', lib)).", "", true, false, "db"},
      {"rule_i(0, prop('CS_DBNAME', db)). rule_i(0, prop('DTALIB', lib)). rule_i(0, prop('DTASRC', "
       "\"4\")).",
       "", true, false, "lib"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    object(c.rules);
    EXPECT_EQ(java_package_prefix(run_), c.package);
    EXPECT_EQ(cs_reorg_on(run_), c.reorg);
    EXPECT_EQ(initialize_new_on(run_), c.init_new);
    EXPECT_EQ(cs_dbname(run_), c.dbname);
  }
}

TEST_F(LogicCoreOptions, ConnectionDialogUser) {
  struct Case {
    const char* rules;
    const char* user;
    const char* password;
    int64_t flag;
  } cases[] = {
      {"rule_i(0, prop('CS_CNTDLG', \"2\")). rule_i(0, prop('USER_ID', sa)). "
       "rule_i(0, prop('USER_PASSWORD', pw)).",
       "\"sa\"", "\"pw\"", 0},
      {"rule_i(0, prop('CS_CNTDLG', \"2\")). rule_i(0, prop('USER_ID', sa)).", "\"sa\"", "\"\"", 0},
      // Texts go into Java string literals: quotes and backslashes are escaped.
      {"rule_i(0, prop('CS_CNTDLG', \"2\")). rule_i(0, prop('USER_ID', \"a\\\"b\")). "
       "rule_i(0, prop('USER_PASSWORD', \"c\\\\d\")).",
       "\"a\\\"b\"", "\"c\\\\d\"", 0},
      {"rule_i(0, prop('CS_CNTDLG', \"2\")).", "\"\"", "\"\"", 1},
      {"rule_i(0, prop('CS_CNTDLG', \"20\")). rule_i(0, prop('USER_ID', sa)).", "\"\"", "\"\"", 1},
      {"", "\"\"", "\"\"", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    object(c.rules);
    const ConnDialogUser u = conn_dialog_user(run_);
    EXPECT_EQ(u.user, c.user);
    EXPECT_EQ(u.password, c.password);
    EXPECT_EQ(u.flag, c.flag);
  }
}

// The default data store's driver, DBMS and interface from DTASRC, else
// from CS_DRIVER and CS_API.
TEST_F(LogicCoreOptions, ModelDriverDbmsAndInterface) {
  struct Case {
    const char* rules;
    Opt driver;
    Opt dbms;
    Opt api;
  } cases[] = {
      {"rule_i(0, prop('DTASRC', \"1\")).", "qedbf", "qedbase", "odbc"},
      {"rule_i(0, prop('DTASRC', \"2\")).", std::nullopt, std::nullopt, std::nullopt},
      {"rule_i(0, prop('DTASRC', \"3\")).", "access", "access", "access"},
      {"rule_i(0, prop('DTASRC', \"4\")).", "db2400", "as400", "odbc"},
      {"rule_i(0, prop('DTASRC', \"5\")).", "db2cae", "db2", "odbc"},
      {"rule_i(0, prop('DTASRC', \"6\")).", "qebtrieve", std::nullopt, "odbc"},
      {"rule_i(0, prop('DTASRC', \"7\")).", "qeoracle7", "oracle7", "odbc"},
      {"rule_i(0, prop('DTASRC', \"8\")).", "db2cae", "db2", "odbc"},
      {"rule_i(0, prop('DTASRC', \"9\")).", "db2400", "as400", "odbc"},
      {"rule_i(0, prop('DTASRC', \"10\")).", std::nullopt, std::nullopt, std::nullopt},
      {"rule_i(0, prop('DTASRC', \"11\")).", "qeinfrmx", "informix", "odbc"},
      {"rule_i(0, prop('DTASRC', 12)).", "qesqlserver", "sqlserver", "odbc"},
      {"rule_i(0, prop('DTASRC', \"13\")).", std::nullopt, std::nullopt, std::nullopt},
      {"rule_i(0, prop('DTASRC', \"x\")). rule_i(0, prop('CS_DRIVER', \"QEORACLE7\")).",
       std::nullopt, std::nullopt, std::nullopt},
      {"", "qedbf", "qedbase", std::nullopt},
      {"rule_i(0, prop('CS_DRIVER', \"db2/6000 v2\")).", "db2cae", "db2", std::nullopt},
      {"rule_i(0, prop('CS_DRIVER', \"DB2/2\")).", "db2cae", "db2", std::nullopt},
      {"rule_i(0, prop('CS_DRIVER', \"DB2/400\")).", "db2400", "as400", std::nullopt},
      {"rule_i(0, prop('CS_DRIVER', \"QEBTRIEVE\")).", "qebtrieve", std::nullopt, std::nullopt},
      {"rule_i(0, prop('CS_DRIVER', \"QEORACLE7\")). rule_i(0, prop('CS_API', \"odbc32\")).",
       "qeoracle7", "oracle7", "odbc"},
      {"rule_i(0, prop('CS_DRIVER', \"QESQLSERVER\")).", "qesqlserver", "sqlserver", std::nullopt},
      {"rule_i(0, prop('CS_DRIVER', \"SHOWCASE\")).", "showcase", std::nullopt, std::nullopt},
      {"rule_i(0, prop('CS_DRIVER', \"QEINFORMIX\")).", "qeinfrmx", "informix", std::nullopt},
      {"rule_i(0, prop('CS_DRIVER', \"SQLSRV\")).", "qesqlserver", "sqlserver", std::nullopt},
      {"rule_i(0, prop('CS_DRIVER', \"ODBC\")). rule_i(0, prop('CS_API', \"native\")).", "qedbf",
       "qedbase", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    object(c.rules);
    EXPECT_EQ(model_driver(run_), c.driver);
    EXPECT_EQ(model_dbms(run_), c.dbms);
    EXPECT_EQ(model_access_api(run_), c.api);
  }
}

// Tables, their data stores and their per-DBMS names. The model's DTASRC is
// 9 (AS/400); store 2 is an Oracle store, store 3 an SQL Server store known
// only from the object's datastore_i/1 fact.
class LogicCoreOptionTables : public OptionsFixture {
 protected:
  void SetUp() override {
    OptionsFixture::SetUp();
    object(std::string(kObject) + " datastore_i([3, \"Sales\", 12]).");
  }
  static constexpr const char* kObject =
      "rule_i(0, prop('DTASRC', \"9\")). "
      "rule_i(0, datastore([2, \"Orders\", 7])). "
      // cust: default store, LOC under 4 only, NAME under 9.
      "rule_i(1, p(0, 0, fv, k1, [table, cust])). "
      "rule_i(1, p(0, 4, fv, k1, ['LOC', \"LIB4\"])). "
      "rule_i(1, p(5, 9, fv, k1, ['NAME', \"CUSTF\"])). "
      // ord: store 2 by number, found by its internal name; its own NAME, SCHEMA.
      "rule_i(1, p(0, 0, fv, k2, [intname, ord])). "
      "rule_i(1, p(0, 0, fv, k2, [datastore, 2])). "
      "rule_i(1, p(0, 7, fv, k2, ['NAME', \"ORDERS\"])). "
      "rule_i(1, p(0, 9, fv, k2, ['NAME', \"NOTTHIS\"])). "
      "rule_i(1, p(0, 7, fv, k2, ['SCHEMA', \"OWN\"])). "
      // inv: store "sales" by name; an empty NAME; an entry of another model.
      "rule_i(1, p(0, 0, fv, k3, [table, inv])). "
      "rule_i(1, p(0, 0, fv, k3, [datastore, \"sales\"])). "
      "rule_i(1, p(0, 12, fv, k3, ['NAME', \"\"])). "
      "rule_i(1, p(6, 12, fv, k3, ['LOC', \"OTHERMODEL\"])). "
      // dflt: named "Default"; lost: a store the model does not have; xk: not kind fv.
      "rule_i(1, p(0, 0, fv, k4, [table, dflt])). "
      "rule_i(1, p(0, 0, fv, k4, [datastore, \"DEFAULT\"])). "
      "rule_i(1, p(0, 0, fv, k5, [table, lost])). "
      "rule_i(1, p(0, 0, fv, k5, [datastore, \"Nowhere\"])). "
      "rule_i(1, p(0, 0, xx, k6, [table, xk])).";
};

TEST_F(LogicCoreOptionTables, DataStoresOfTables) {
  struct Case {
    const char* table;
    std::optional<int64_t> num;
    Opt name;
    Opt dbms;    // table_dbms/2
    Opt driver;  // dbms_option/2
  } cases[] = {
      {"cust", 1, "Default", "as400", "db2400"},
      {"ord", 2, "Orders", "oracle7", "qeoracle7"},
      {"inv", 3, "Sales", "sqlserver", "qesqlserver"},
      {"dflt", 1, "Default", "as400", "db2400"},
      {"lost", std::nullopt, std::nullopt, "as400", "db2400"},
      {"xk", std::nullopt, std::nullopt, "as400", "db2400"},  // a table without entry
      {"none", std::nullopt, std::nullopt, "as400", "db2400"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table);
    const Term t = Term::atom(c.table);
    EXPECT_EQ(tbl_dstore_num(run_, t), c.num);
    EXPECT_EQ(tbl_dstore_name(run_, t), c.name);
    EXPECT_EQ(table_dbms(run_, t), c.dbms);
    EXPECT_EQ(dbms_option(run_, t), c.driver);
  }
  EXPECT_FALSE(tbl_dstore(run_, Term::atom("none")));
  EXPECT_EQ(tbl_dstore(run_, Term::atom("cust")), Term::integer(1));
  EXPECT_TRUE(same_dstore(run_, Term::atom("cust"), Term::atom("none")));
  EXPECT_TRUE(same_dstore(run_, Term::atom("cust"), Term::atom("dflt")));
  EXPECT_FALSE(same_dstore(run_, Term::atom("cust"), Term::atom("ord")));
  EXPECT_TRUE(same_dstore(run_, Term::string("inv"), Term::atom("inv")));
}

TEST_F(LogicCoreOptionTables, DataStoreDbmsAndDriver) {
  struct Case {
    std::optional<Term> store;
    Opt dbms;
    Opt driver;
  } cases[] = {
      {std::nullopt, "as400", "db2400"},
      {Term::integer(1), "as400", "db2400"},
      {Term::string("default"), "as400", "db2400"},
      {Term::integer(2), "oracle7", "qeoracle7"},
      {Term::string("ORDERS"), "oracle7", "qeoracle7"},
      {Term::string("2"), "oracle7", "qeoracle7"},
      {Term::atom("sales"), "sqlserver", "qesqlserver"},
      {Term::integer(3), "sqlserver", "qesqlserver"},
      {Term::integer(4), std::nullopt, std::nullopt},
      {Term::string("Nowhere"), std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.store ? engine::writeq(*c.store) : "(none)");
    auto dd = dstore_dbms_driver(run_, c.store);
    EXPECT_EQ(dd ? Opt(dd->dbms) : std::nullopt, c.dbms);
    EXPECT_EQ(dd ? Opt(dd->driver) : std::nullopt, c.driver);
  }
  // A store whose code has no row, and a default store without DBMS.
  object("datastore_i([4, \"Old\", 10]). rule_i(0, prop('DTASRC', \"6\")).");
  EXPECT_FALSE(dstore_dbms_driver(run_, Term::integer(4)));
  EXPECT_FALSE(dstore_dbms_driver(run_, Term::integer(1)));
  EXPECT_EQ(dbms_option(run_, Term::atom("t")), "qebtrieve");
}

// NAME, LOC and SCHEMA under the table's store's code, then the model's
// DTASRC (9), then the related code 4.
TEST_F(LogicCoreOptionTables, PerDbmsNames) {
  config_ = {{"CS_SCHEMA", "CSS"}};
  struct Case {
    const char* table;
    std::string ext;
    std::string loc;
    std::string schema;
  } cases[] = {
      {"cust", "CUSTF", "LIB4", "CSS"},
      {"ord", "ORDERS", "", "OWN"},
      {"inv", "inv", "", "CSS"},
      {"none", "none", "", "CSS"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table);
    const Term t = Term::atom(c.table);
    EXPECT_EQ(tbl_ext_name(run_, t, c.table), c.ext);
    EXPECT_EQ(tbl_location(run_, t), c.loc);
    EXPECT_EQ(tbl_schema(run_, t), c.schema);
  }
}

// An Oracle table that uses synonyms takes CS_SCHEMA only while a
// reorganisation is generated.
TEST_F(LogicCoreOptionTables, SchemaWithSynonyms) {
  struct Case {
    const char* extra;
    std::string schema;
  } cases[] = {
      {"", "CSS"},
      {"rule_i(0, prop(create_and_use_synonyms, \"Yes\")).", ""},
      {"rule_i(0, prop(create_and_use_synonyms, \"Yes\")). gen_reo_i.", "CSS"},
      {"rule_i(0, prop(create_and_use_synonyms, \"Yes\")). spec_i([ce, 1, 'R', r]).", "CSS"},
      {"rule_i(0, prop(create_and_use_synonyms, \"Replace\")).", "CSS"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.extra);
    object(std::string("rule_i(0, prop('DTASRC', \"7\")). rule_i(0, prop('CS_SCHEMA', \"CSS\")). "
                       "rule_i(1, p(0, 0, fv, k, [table, t])). ") +
           c.extra);
    EXPECT_EQ(tbl_schema(run_, Term::atom("t")), c.schema);
  }
}

TEST_F(LogicCoreOptions, QualifiedTableName) {
  struct Case {
    const char* rules;
    std::string name;
  } cases[] = {
      // qualify_name/5 of the table's DBMS, location and schema.
      {"rule_i(0, prop('DTASRC', \"4\")). rule_i(1, p(0, 4, fv, k, ['LOC', \"LIB\"])).", "LIB/T"},
      {"rule_i(0, prop('DTASRC', \"7\")). rule_i(0, prop('CS_SCHEMA', \"S\")). "
       "rule_i(1, p(0, 7, fv, k, ['LOC', \"db1\"])).",
       "S.T@db1"},
      {"rule_i(0, prop('DTASRC', \"12\")).", "T"},
      {"rule_i(0, prop('DTASRC', \"12\")). rule_i(0, prop('CS_SCHEMA', \"dbo\")).", "dbo.T"},
      // No DBMS: the name itself.
      {"rule_i(0, prop('DTASRC', \"13\")). rule_i(0, prop('CS_SCHEMA', \"S\")).", "T"},
      // The showcase driver: LOC, else the database name; no DBMS, so the name.
      {"rule_i(0, prop('CS_DRIVER', \"SHOWCASE\")). rule_i(0, prop('CS_DBNAME', \"D\")).", "T"},
      {"rule_i(0, prop('DTASRC', \"11\")). rule_i(1, p(0, 11, fv, k, ['LOC', \"srv\"])).", "srv:T"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    object(std::string(c.rules) + " rule_i(1, p(0, 0, fv, k, [table, t])).");
    EXPECT_EQ(tbl_qualified_name(run_, Term::atom("t"), "T"), c.name);
  }
}

// Saved properties come through the host; an empty one is no value.
TEST_F(LogicCoreOptions, SavedProperties) {
  std::vector<std::string> asked;
  for (const char* pred : {"i_tblproperty", "i_idxproperty"}) {
    run_.stand_in_host(pred, 4, [&asked, pred](logic::Run&, std::span<Term> a) {
      asked.push_back(std::string(pred) + " " + engine::writeq(a[1]) + " " + a[2].text());
      if (a[2].text() == "UNSET") return false;
      a[3] = Term::string(a[2].text() == "EMPTY" ? "" : "v");
      return true;
    });
  }
  const Term m = Term::integer(5);
  EXPECT_EQ(tbl_property(run_, m, Term::atom("t"), "INISIZE"), "v");
  EXPECT_EQ(tbl_property(run_, m, Term::atom("t"), "EMPTY"), std::nullopt);
  EXPECT_EQ(tbl_property(run_, m, Term::atom("t"), "UNSET"), std::nullopt);
  EXPECT_EQ(idx_property(run_, m, Term::atom("t"), Term::atom("i1"), "IDXINISIZE"), "v");
  EXPECT_EQ(asked,
            (std::vector<std::string>{"i_tblproperty t INISIZE", "i_tblproperty t EMPTY",
                                      "i_tblproperty t UNSET", "i_idxproperty i1 IDXINISIZE"}));
}

}  // namespace
}  // namespace qn::logic
