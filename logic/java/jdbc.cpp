#include "logic/java/jdbc.h"

#include "logic/core/options.h"
#include "logic/core/rule_terms.h"

namespace qn::logic {

namespace {

std::string pref(Run& run, int64_t store, std::string_view key) {
  return dstore_pref(run, store, key).value_or("");
}

}  // namespace

std::string jdbc_driver_of(Run& run, int64_t store) {
  const std::string driver = pref(run, store, "JDBC_DRIVER");
  if (driver == "CUSTOM") return pref(run, store, "JDBC_CUSTOM_DRIVER");
  return driver;
}

std::string jdbc_url_of(Run& run, int64_t store) {
  const auto has_value = [](const std::optional<std::string>& v) { return v && !v->empty(); };
  if (pref(run, store, "JDBC_CUSTOM_URL") == "-1" ||
      (!has_value(pgm_prop_value(run, "JDBC_CUSTOM_URL")) &&
       has_value(pgm_prop_value(run, "DB_URL")))) {
    return pref(run, store, "DB_URL");
  }
  return jdbc_driver_url(run, store, pref(run, store, "JDBC_DRIVER"));
}

std::string jdbc_driver_url(Run& run, int64_t store, std::string_view driver) {
  const std::string server = pref(run, store, "CS_SERVER");
  const std::string port = pref(run, store, "DBMS_PORT");
  const std::string database = pref(run, store, "CS_DBNAME");
  const std::string instance = pref(run, store, "IFX_SERVER_INST");
  if (driver == "com.inet.tds.TdsDriver")
    return "jdbc:inetdae:" + server + ":" + port + "?database=" + database;
  if (driver == "weblogic.jdbc.mssqlserver4.Driver") {
    return "jdbc:weblogic:mssqlserver4:" + database + "@" + server + ":" + port;
  }
  if (driver == "weblogic.jdbc.informix4.Driver") {
    return "jdbc:weblogic:informix4:" + database + "@" + server + ":" + port;
  }
  if (driver == "oracle.jdbc.driver.OracleDriver")
    return "jdbc:oracle:thin:@" + server + ":" + port + ":" + database;
  if (driver == "com.ibm.as400.access.AS400JDBCDriver") return "jdbc:as400://" + server;
  if (driver == "com.informix.jdbc.IfxDriver") {
    return "jdbc:informix-sqli://" + server + ":" + port + "/" + database +
           ":informixserver=" + instance;
  }
  if (driver == "com.ibm.db2.jdbc.app.DB2Driver") return "jdbc:db2://" + server;
  if (driver == "COM.ibm.db2.jdbc.app.DB2Driver") return "jdbc:db2:" + database;
  if (driver == "COM.ibm.db2.jdbc.net.DB2Driver") {
    return "jdbc:db2://" + server + (port.empty() ? "" : ":" + port) + "/" + database;
  }
  if (driver == "intersolv.jdbc.sequelink.SequeLinkDriver") {
    const std::string dbms = dstore_dbms(run, num(store)).value_or("");
    if (dbms == "db2")
      return "jdbc:sequelink://" + server + ":" + port + "/[DB2 on NT]database=" + database;
    if (dbms == "oracle7") return "jdbc:sequelink://" + server + ":" + port + "/[Oracle]";
  }
  return "";
}

}  // namespace qn::logic
