#include "logic/java/jdbc.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/java/hooks.h"

namespace qn::logic {
namespace {

using engine::Term;

// The preferences of data store 1 as dstore_pref_i(1, Key, Value) facts.
std::string prefs(std::initializer_list<std::pair<const char*, const char*>> kv) {
  std::string out;
  for (const auto& [k, v] : kv) out += "dstore_pref_i(1, '" + std::string(k) + "', '" + v + "'). ";
  return out;
}

struct Fixture {
  explicit Fixture(const std::string& facts) : run(eng) {
    if (!facts.empty()) {
      EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    }
  }
  engine::Engine eng;
  Run run;
};

TEST(Jdbc, UrlTableEveryRow) {
  const std::string where = prefs({{"CS_SERVER", "srv"}, {"DBMS_PORT", "1433"}, {"CS_DBNAME", "db"},
                                   {"IFX_SERVER_INST", "ifx"}});
  struct Case {
    const char* driver;
    std::string more;
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
    SCOPED_TRACE(c.driver + c.more);
    Fixture f(where + c.more);
    EXPECT_EQ(jdbc_driver_url(f.run, 1, c.driver), c.url);
  }
  // Without a port the net driver leaves out its colon; missing
  // preferences are empty.
  Fixture no_port(prefs({{"CS_SERVER", "srv"}, {"CS_DBNAME", "db"}}));
  EXPECT_EQ(jdbc_driver_url(no_port.run, 1, "COM.ibm.db2.jdbc.net.DB2Driver"), "jdbc:db2://srv/db");
  EXPECT_EQ(jdbc_driver_url(no_port.run, 1, "com.informix.jdbc.IfxDriver"),
            "jdbc:informix-sqli://srv:/db:informixserver=");
}

TEST(Jdbc, DriverAndUrlOfADataStore) {
  const std::string oracle = prefs({{"JDBC_DRIVER", "oracle.jdbc.driver.OracleDriver"}, {"CS_SERVER", "h"},
                                    {"DBMS_PORT", "1521"}, {"CS_DBNAME", "orcl"}});
  const std::string custom = prefs({{"JDBC_DRIVER", "CUSTOM"}, {"JDBC_CUSTOM_DRIVER", "my.Driver"}});
  struct Case {
    std::string facts;
    const char* driver;
    const char* url;
  } cases[] = {
      {oracle, "oracle.jdbc.driver.OracleDriver", "jdbc:oracle:thin:@h:1521:orcl"},
      // A custom driver: its class, and no URL of the table.
      {custom, "my.Driver", ""},
      // The store's own URL: its custom-URL flag, or the program options
      // (data store 1's preferences are the model's options).
      {custom + prefs({{"DB_URL", "jdbc:my://x"}}), "my.Driver", "jdbc:my://x"},
      {custom + prefs({{"JDBC_CUSTOM_URL", "-1"}, {"DB_URL", "jdbc:my://x"}}), "my.Driver", "jdbc:my://x"},
      {oracle + prefs({{"JDBC_CUSTOM_URL", "-1"}, {"DB_URL", "jdbc:own"}}), "oracle.jdbc.driver.OracleDriver",
       "jdbc:own"},
      {oracle + prefs({{"JDBC_CUSTOM_URL", "-1"}}), "oracle.jdbc.driver.OracleDriver", ""},
      {oracle + prefs({{"DB_URL", "jdbc:own"}}) + "rule_i(0, prop('DB_URL', yes)).",
       "oracle.jdbc.driver.OracleDriver", "jdbc:own"},
      {oracle + prefs({{"DB_URL", "jdbc:own"}}) +
           "rule_i(0, prop('DB_URL', yes)). rule_i(0, prop('JDBC_CUSTOM_URL', yes)).",
       "oracle.jdbc.driver.OracleDriver", "jdbc:oracle:thin:@h:1521:orcl"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    EXPECT_EQ(jdbc_driver_of(f.run, 1), c.driver);
    EXPECT_EQ(jdbc_url_of(f.run, 1), c.url);
  }
}

TEST(Jdbc, HookAnswers) {
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
