#include "logic/java/jdbc.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/options_test_fixture.h"
#include "logic/java/hooks.h"

namespace qn::logic {
namespace {

using engine::Term;

using Prefs = std::map<std::pair<int64_t, std::string>, std::string>;

// Preferences of data store 1, answered by the host's stand-in.
Prefs store1(std::initializer_list<std::pair<const char*, const char*>> kv) {
  Prefs out;
  for (const auto& [k, v] : kv) out[{1, k}] = v;
  return out;
}

Prefs operator+(Prefs a, const Prefs& b) {
  for (const auto& [k, v] : b) a[k] = v;
  return a;
}

using Jdbc = OptionsFixture;

TEST_F(Jdbc, UrlTableEveryRow) {
  const Prefs where = store1({{"CS_SERVER", "srv"},
                              {"DBMS_PORT", "1433"},
                              {"CS_DBNAME", "db"},
                              {"IFX_SERVER_INST", "ifx"}});
  struct Case {
    const char* driver;
    const char* rules;
    const char* url;
  } cases[] = {
      {"com.inet.tds.TdsDriver", "", "jdbc:inetdae:srv:1433?database=db"},
      {"weblogic.jdbc.mssqlserver4.Driver", "", "jdbc:weblogic:mssqlserver4:db@srv:1433"},
      {"weblogic.jdbc.informix4.Driver", "", "jdbc:weblogic:informix4:db@srv:1433"},
      {"oracle.jdbc.driver.OracleDriver", "", "jdbc:oracle:thin:@srv:1433:db"},
      {"com.ibm.as400.access.AS400JDBCDriver", "", "jdbc:as400://srv"},
      {"com.informix.jdbc.IfxDriver", "", "jdbc:informix-sqli://srv:1433/db:informixserver=ifx"},
      {"com.ibm.db2.jdbc.app.DB2Driver", "", "jdbc:db2://srv"},
      {"COM.ibm.db2.jdbc.app.DB2Driver", "", "jdbc:db2:db"},
      {"COM.ibm.db2.jdbc.net.DB2Driver", "", "jdbc:db2://srv:1433/db"},
      {"intersolv.jdbc.sequelink.SequeLinkDriver", "rule_i(0, prop('DTASRC', '5')).",
       "jdbc:sequelink://srv:1433/[DB2 on NT]database=db"},
      {"intersolv.jdbc.sequelink.SequeLinkDriver", "rule_i(0, prop('DTASRC', '7')).",
       "jdbc:sequelink://srv:1433/[Oracle]"},
      {"intersolv.jdbc.sequelink.SequeLinkDriver", "rule_i(0, prop('DTASRC', '12')).", ""},
      // Driver classes are Java names: another spelling is another driver.
      {"oracle.jdbc.driver.oracledriver", "", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.driver) + c.rules);
    new_run();
    prefs_ = where;
    object(c.rules);
    EXPECT_EQ(jdbc_driver_url(run_, 1, c.driver), c.url);
  }
  // Without a port the net driver leaves out its colon; missing
  // preferences are empty.
  new_run();
  prefs_ = store1({{"CS_SERVER", "srv"}, {"CS_DBNAME", "db"}});
  object("");
  EXPECT_EQ(jdbc_driver_url(run_, 1, "COM.ibm.db2.jdbc.net.DB2Driver"), "jdbc:db2://srv/db");
  EXPECT_EQ(jdbc_driver_url(run_, 1, "com.informix.jdbc.IfxDriver"),
            "jdbc:informix-sqli://srv:/db:informixserver=");
}

TEST_F(Jdbc, DriverAndUrlOfADataStore) {
  const Prefs oracle = store1({{"JDBC_DRIVER", "oracle.jdbc.driver.OracleDriver"},
                               {"CS_SERVER", "h"},
                               {"DBMS_PORT", "1521"},
                               {"CS_DBNAME", "orcl"}});
  const Prefs custom = store1({{"JDBC_DRIVER", "CUSTOM"}, {"JDBC_CUSTOM_DRIVER", "my.Driver"}});
  struct Case {
    Prefs prefs;
    const char* rules;
    const char* driver;
    const char* url;
  } cases[] = {
      {oracle, "", "oracle.jdbc.driver.OracleDriver", "jdbc:oracle:thin:@h:1521:orcl"},
      // A custom driver: its class, and no URL of the table.
      {custom, "", "my.Driver", ""},
      // The store's own URL: its custom-URL flag, or the program options
      // (data store 1's preferences are the model's options).
      {custom + store1({{"DB_URL", "jdbc:my://x"}}), "", "my.Driver", "jdbc:my://x"},
      {custom + store1({{"JDBC_CUSTOM_URL", "-1"}, {"DB_URL", "jdbc:my://x"}}), "", "my.Driver",
       "jdbc:my://x"},
      {oracle + store1({{"JDBC_CUSTOM_URL", "-1"}, {"DB_URL", "jdbc:own"}}), "",
       "oracle.jdbc.driver.OracleDriver", "jdbc:own"},
      {oracle + store1({{"JDBC_CUSTOM_URL", "-1"}}), "", "oracle.jdbc.driver.OracleDriver", ""},
      {oracle + store1({{"DB_URL", "jdbc:own"}}), "rule_i(0, prop('JDBC_CUSTOM_URL', yes)).",
       "oracle.jdbc.driver.OracleDriver", "jdbc:oracle:thin:@h:1521:orcl"},
      {oracle, "rule_i(0, prop('DB_URL', yes)).", "oracle.jdbc.driver.OracleDriver", ""},
      {{}, "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(&c - cases));
    new_run();
    prefs_ = c.prefs;
    object(c.rules);
    EXPECT_EQ(jdbc_driver_of(run_, 1), c.driver);
    EXPECT_EQ(jdbc_url_of(run_, 1), c.url);
  }
}

TEST(JavaHooks, FixedAnswers) {
  engine::Engine eng;
  logic::Run run(eng);
  const Term x = Term::atom("x");
  struct Case {
    const char* hook;
    bool answer;
  } cases[] = {
      {"xbase_text_hook", xbase_text_hook(run)},
      {"xbase_cs_hook", !xbase_cs_hook(run)},
      {"xbase_ntx_hook", !xbase_ntx_hook(run)},
      {"xbase_ndx_hook", !xbase_ndx_hook(run)},
      {"xbase_dtos_hook", !xbase_dtos_hook(run)},
      {"direct_sql_hook", !direct_sql_hook(run, x, x, x, x)},
      {"default_value_hook", !default_value_hook(run, x, x, x, x, x)},
      {"att_type_hook", !att_type_hook(run, x, x, x, x, x, x)},
      {"aux_exp_hook", !aux_exp_hook(run, x, x, x, x)},
      {"index_exp_hook", !index_exp_hook(run, x, x, x, x, x, x, x, x)},
      {"vdata_conversion_hook", vdata_conversion_hook(run, x) == x},
      {"aux_value_hook", aux_value_hook(run, x) == x},
      {"aux_name_suffix", aux_name_suffix(run, x) == Term::string("")},
      {"null_fn_hook", null_fn_hook(run, x)},
      {"trn_confirm_hook", trn_confirm_hook(run, x, x, x, x)},
      {"user_cancel_hook", user_cancel_hook(run, x, x, x)},
      {"index_type_hook", index_type_hook(run)},
      {"aux_decl_hook", aux_decl_hook(run, x)},
      {"cs_error_handler_hook", cs_error_handler_hook(run, x, x, x)},
      {"aux_name_hook", aux_name_hook(run, x, x, x)},
  };
  for (const Case& c : cases) EXPECT_TRUE(c.answer) << c.hook;
  EXPECT_EQ(eng.facts().predicates().size(), 0u);  // none leaves a fact behind
}

}  // namespace
}  // namespace qn::logic
