#include "logic/java/runtime_config.h"

#include <algorithm>
#include <vector>

#include "logic/core/host_calls.h"
#include "logic/core/messages.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/jdbc.h"
#include "logic/java/remote_calls.h"
#include "logic/program/proc_class.h"
#include "logic/sql/stored_procs.h"
#include "platform/cp1252.h"
#include "platform/path.h"

namespace qn::logic {

using engine::Term;

namespace {

// The option's value; empty when unset.
std::string option(Run& run, std::string_view key) {
  auto v = pgm_prop_value(run, key);
  return v ? *v : std::string();
}

bool line(Run& run, const std::string& text) { return Out(run).pieces({text}).ok(); }
bool two(Run& run, const std::string& key, const std::string& value) {
  return Out(run).pieces({key, value}).ok();
}

std::string db_location(Run& run) { return platform::lower_1252(option(run, "QNDB_LOCATION")); }

// Store 1, then each other data store of the object (datastore_i/1), once.
std::vector<int64_t> cfg_stores(Run& run) {
  std::vector<int64_t> stores{1};
  for (const Term& f : run.facts().clauses("datastore_i", 1)) {
    const Term& d = f.arg(1);
    if (!d.is_list() || d.list_items().empty() || !d.list_items()[0].is_int()) continue;
    const int64_t n = d.list_items()[0].as_int();
    if (std::find(stores.begin(), stores.end(), n) == stores.end()) stores.push_back(n);
  }
  return stores;
}

std::string store_name(Run& run, int64_t store) {
  auto d = find_dstore(run, num(store));
  return platform::upper_1252(d ? d->name : std::string(kDefaultDstore));
}

bool protocol_configured(Run& run) { return remote_calls_protocol(run); }

bool section(Run& run, const std::string& name) { return line(run, "[" + name + "]"); }

bool datasource_lines(Run& run) {
  int n = 0;
  bool ok = true;
  for (int64_t s : cfg_stores(run))
    ok = line(run, "DataSource" + std::to_string(++n) + "=" + store_name(run, s)) && ok;
  return ok;
}

bool datastore_sections(Run& run, const std::string& ns) {
  const std::string log = option(run, "JDBC_LOG");
  bool ok = two(run, "JDBC_LOG=", log);
  ok = line(run, log.empty() ? "JDBCLogEnabled=0" : "JDBCLogEnabled=1") && ok;
  for (int64_t s : cfg_stores(run)) {
    ok = section(run, ns + "|" + store_name(run, s)) && ok;
    ok = cfg_datastore_section(run, s) && ok;
  }
  return ok;
}

bool cfg_dbtype_lines(Run& run, const std::string& ns, std::string_view kind) {
  const std::string location = db_location(run);
  bool ok = true;
  if (kind == "client") {
    if (protocol_configured(run)) {
      ok = emit_cfg_entry(run, "AUTO_REMOTE", "");
      if (!location.empty()) return line(run, "QNDBType=0") && ok;
    }
    ok = line(run, "QNDBType=1") && ok;
    ok = datasource_lines(run) && ok;
  } else if (kind == "reorg") {
    ok = line(run, "AUTO_REMOTE=") && line(run, "QNDBType=1") && datasource_lines(run) &&
         line(run, "AutoReload=0") && line(run, "Archive=" + location + ".jar");
  } else {
    ok = line(run, location.empty() ? "QNDBType=0" : "QNDBType=1") && datasource_lines(run) &&
         line(run, "AutoReload=0") && line(run, "AUTO_REMOTE=") &&
         line(run, "Archive=" + location + ".jar");
  }
  return datastore_sections(run, ns) && ok;
}

// A file of the model directory, or of its package folder.
std::string model_file(Run& run, int64_t model, bool in_package, std::string_view name) {
  // A bare name is written in the model directory.
  if (!in_package || package_dir(run).empty()) return std::string(name);
  std::string dir;
  model_info_dir(run, model, dir);
  if (!dir.empty() && !platform::is_separator(dir.back())) dir += '\\';
  return dir + (in_package ? package_dir(run) : std::string()) + std::string(name);
}

bool cfg_file(Run& run, int64_t model, bool in_package, std::string_view name,
              std::string_view kind) {
  if (!open_model_output(run, model, model_file(run, model, in_package, name))) return false;
  bool ok = kind == "server" ? cfg_client_server_sections(run) : cfg_general_lines(run, model);
  ok = cfg_login_lines(run, kind) && ok;
  return close_output(run) && ok;
}

}  // namespace

std::string cfg_name_space(Run& run) {
  const std::string ns = option(run, "NAME_SPACE");
  const std::string package = option(run, "PACKAGE");
  if (package.empty()) return ns.empty() ? "default" : ns;
  return ns.empty() ? package : ns;
}

bool emit_cfg_entry(Run& run, std::string_view key, std::string_view def) {
  std::string v = option(run, key);
  if (v.empty()) v = def;
  return line(run, std::string(key) + "=" + v);
}

bool emit_cfg_flag(Run& run, std::string_view key, std::string_view def) {
  auto digit = [](const std::string& v) -> std::string {
    if (v == "NO") return "0";
    if (v == "YES") return "1";
    return "";
  };
  auto value = pgm_prop_value(run, key);
  std::string d = digit(platform::upper_1252(value ? *value : def));
  if (d.empty()) d = digit(platform::upper_1252(def));
  return line(run, std::string(key) + "=" + d);
}

bool cfg_upper_entry(Run& run, std::string_view key, std::string_view def) {
  std::string v = option(run, key);
  if (v.empty()) v = def;
  return line(run, std::string(key) + "=" + platform::upper_1252(v));
}

bool cfg_dstore_entry(Run& run, int64_t store, std::string_view key, std::string_view def) {
  auto v = dstore_pref(run, store, key);
  return line(run, std::string(key) + "=" + (v ? *v : std::string(def)));
}

bool cfg_general_lines(Run& run, int64_t) {
  const std::string ns = cfg_name_space(run);
  auto model_num = generated_model_num(run);
  bool ok = section(run, "Client");
  ok = two(run, "MODEL_NUM=", model_num ? std::to_string(*model_num) : "") && ok;
  struct Row {
    char kind;  // e entry, f flag, u upper-case entry, n name space
    const char* key;
    const char* def;
  };
  static const Row rows[] = {
      {'f', "LDAP_LOGIN", "NO"},    {'e', "LDAP_HOST", ""},          {'e', "LDAP_AUTH", "simple"},
      {'e', "LDAP_PRINCIPAL", ""},  {'f', "LDAP_USERID", "NO"},      {'e', "SMTP_HOST", ""},
      {'n', "NAME_SPACE=", ""},     {'e', "NAME_HOST", ""},          {'e', "CONN_TIMEOUT", "300"},
      {'u', "DEFAULT_DS", ""},      {'e', "PREFERRED_UI", "BEST"},   {'e', "JFC_LF", "NATIVE"},
      {'e', "FIELD_EXIT", "TAB"},   {'e', "ESCAPE_FUNCTION", "Exit_form"},
      {'e', "KEY_REFRESH", "5"},    {'e', "REMOTE_CALLS", "NEVER"},  {'e', "IMAGE_SUBST", "0"},
      {'e', "CS_CONNECT", "FIRST"}, {'f', "CS_REORGJAVA", "YES"},    {'e', "SUBFILE_ORDER", "Y"},
      {'e', "FC_READONLY", "ORIGINAL"}, {'e', "PACKAGE", ""},        {'e', "DECIMAL_POINT", "."},
      {'e', "DATE_FMT", ""},        {'e', "TIME_FMT", ""},           {'e', "YEAR_LIMIT", "40"},
      {'f', "WEB_POOL", "YES"},     {'f', "COMPRESS_HTML", "YES"},   {'e', "WEB_IMAGE_DIR", ""},
      {'e', "WEB_STATIC_DIR", ""},
  };
  for (const Row& r : rows) {
    switch (r.kind) {
      case 'f': ok = emit_cfg_flag(run, r.key, r.def) && ok; break;
      case 'u': ok = cfg_upper_entry(run, r.key, r.def) && ok; break;
      case 'n': ok = two(run, r.key, ns) && ok; break;
      default: ok = emit_cfg_entry(run, r.key, r.def) && ok;
    }
  }
  const bool odbc = run.facts().count("odbc_call_i", 3) > 0;
  ok = line(run, odbc ? "ODBC_CALLS=1" : "ODBC_CALLS=0") && ok;
  ok = two(run, "NameSpace1=", ns) && ok;
  return line(run, "LANGUAGE=" + std::string(current_idiom(run).name())) && ok;
}

bool cfg_client_server_sections(Run& run) {
  bool ok = section(run, "Server");
  ok = emit_cfg_entry(run, "REMOTE_CALLS", "NEVER") && ok;
  ok = emit_cfg_entry(run, "SMTP_HOST", "") && ok;
  ok = emit_cfg_entry(run, "NAME_HOST", "") && ok;
  ok = cfg_upper_entry(run, "DEFAULT_DS", "") && ok;
  ok = emit_cfg_entry(run, "CONN_TIMEOUT", "300") && ok;
  ok = emit_cfg_flag(run, "LDAP_USERID", "NO") && ok;
  const std::string remote = platform::upper_1252(option(run, "REMOTE_CALLS"));
  static const std::pair<const char*, const char*> switches[] = {{"WLRmiEnabled", "WL_RMI"},
                                                                 {"RmiEnabled", "SUN_RMI"},
                                                                 {"DComEnabled", "DCOM"},
                                                                 {"CorbaEnabled", "CORBA"}};
  for (const auto& [key, protocol] : switches) {
    const bool on = remote == protocol || remote == "BEST";
    ok = line(run, std::string(key) + (on ? "=1" : "=0")) && ok;
  }
  ok = two(run, "Location=", db_location(run)) && line(run, "IsNameServer=1") && ok;
  const std::string orb_log = platform::upper_1252(option(run, "ORB_LOG"));
  ok = line(run, orb_log.empty() ? "LogEnabled=0" : "LogEnabled=1") && ok;
  ok = line(run, orb_log == "STDOUT" ? "LogConsole=1" : "LogConsole=0") && ok;
  ok = emit_cfg_entry(run, "ORB_LOG", "") && ok;
  return two(run, "NameSpace1=", cfg_name_space(run)) && ok;
}

bool cfg_login_lines(Run& run, std::string_view kind) {
  const std::string ns = cfg_name_space(run);
  bool ok = section(run, ns);
  ok = line(run, option(run, "USER_ID").empty() ? "LoginInServer=0" : "LoginInServer=1") && ok;
  ok = two(run, "QNDB_LOCATION=", db_location(run)) && ok;
  return cfg_dbtype_lines(run, ns, kind) && ok;
}

bool cfg_datastore_section(Run& run, int64_t store) {
  static const std::pair<const char*, const char*> entries[] = {
      {"CS_DBNAME", ""}, {"INFORMIX_DB", "ANSI"}, {"CS_LIBL400", ""},     {"CS_PACKAGE400", ""},
      {"CS_SCHEMA", ""}, {"USER_ID", ""},         {"USER_PASSWORD", ""}, {"CS_CONNECT", "FIRST"}};
  bool ok = true;
  for (const auto& [key, def] : entries) ok = cfg_dstore_entry(run, store, key, def) && ok;
  ok = line(run, "JDBC_DRIVER=" + jdbc_driver_of(run, store)) && ok;
  ok = line(run, "DB_URL=" + jdbc_url_of(run, store)) && ok;
  ok = cfg_dstore_entry(run, 1, "MAX_CURSOR", "100") && ok;
  ok = emit_cfg_flag(run, "INITIALIZE_NEW", "NO") && ok;
  ok = cfg_dstore_entry(run, 1, "ISOLATION_LEVEL", "CR") && ok;
  const auto dbms = dstore_dbms(run, num(store));
  if (dbms && platform::upper_1252(*dbms).find("INFORMIX") != std::string::npos) {
    auto mode = dstore_pref(run, store, "INFORMIX_DB");
    const bool ansi = platform::upper_1252(mode ? *mode : "ANSI") == "ANSI";
    ok = line(run, ansi ? "XBASE_TINT=1" : "XBASE_TINT=0") && ok;
  } else {
    ok = emit_cfg_flag(run, "XBASE_TINT", "YES") && ok;
  }
  if (dbms && !dbms->empty()) ok = line(run, "DBMS=" + *dbms) && ok;
  std::string ro = platform::upper_1252(option(run, "POOLSIZE_RO"));
  if (ro.empty()) ro = "1";
  std::string rw = option(run, "POOLSIZE_RW");
  if (rw.empty()) rw = "-1";
  ok = line(run, ro == "0" ? "PoolROEnabled=0" : "PoolROEnabled=1") && ok;
  ok = line(run, ro == "-1" ? "UnlimitedROPool=1" : "UnlimitedROPool=0") && ok;
  ok = line(run, rw == "-1" ? "UnlimitedRWPool=1" : "UnlimitedRWPool=0") && ok;
  ok = emit_cfg_entry(run, "POOLSIZE_RO", "1") && ok;
  ok = emit_cfg_entry(run, "POOLSIZE_RW", "-1") && ok;
  return emit_cfg_flag(run, "POOL_STARTUP", "NO") && ok;
}

bool gen_devmenu_and_cfg(Run& run, int64_t model) {
  bool ok = true;
  if (open_model_output(run, model, model_file(run, model, false, "developermenu.java"))) {
    ok = line(run, "class developermenu {}") && close_output(run) && ok;
  } else {
    ok = false;
  }
  if (!applet_page(run, model, "com.quenora.developermenu",
                   model_file(run, model, false, "developermenu.htm"))) {
    trace_msg(run, {"Error generating HTML"});
  }
  if (gen_class_start(run, model, "cfgn", "QNcfg", "QNcfg", "inm")) {
    Out out(run);
    out.pieces({"public static int strcmp(String Left, String Right)"});
    out.open("{");
    out.pieces({"return QNutil.rtrim(Left).compareTo(QNutil.rtrim(Right));"});
    out.close("}");
    out.pieces(std::vector<Piece>{});
    ok = out.ok() && emit_class_end(run) && close_output(run) && ok;
  } else {
    ok = false;
  }
  ok = cfg_file(run, model, true, "reorg.cfg", "reorg") && ok;
  ok = cfg_file(run, model, true, "client.cfg", "client") && ok;
  return cfg_file(run, model, false, "server.cfg", "server") && ok;
}

}  // namespace qn::logic
