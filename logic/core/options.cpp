#include "logic/core/options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/clause_io.h"
#include "logic/core/dbms_caps.h"
#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

std::string upper(std::string_view s) { return platform::upper_1252(std::string(s)); }

// The text of an option value: a text as it is, a number as its decimal
// text; anything else is no value.
std::optional<std::string> value_text(const Term& t) {
  if (t.is_atom() || t.is_string()) return t.text();
  if (t.is_int()) return std::to_string(t.as_int());
  return std::nullopt;
}

// How a table, a p/5 key or a store name is matched: atoms and strings by
// their text, numbers by their decimal text.
std::string match_key(const Term& t) {
  if (auto s = value_text(t)) return *s;
  return engine::writeq(t);
}

std::optional<int64_t> int_of(const Term& t) {
  if (t.is_int()) return t.as_int();
  if (t.is_atom() || t.is_string()) return decimal_of(t.text());
  return std::nullopt;
}

// The current object's rule_i/2 facts, read once and kept until rule_i/2
// changes: every statement asks several options, and rule_i/2 is indexed by
// level, so a scan per question would grow with the object.
struct OptionIndex {
  uint64_t stamp = ~uint64_t{0};
  // Upper-cased option name -> the value of its first prop rule that is not "UMPV".
  std::unordered_map<std::string, std::string> props;
  // The p/5 entries of kind "fv", in their order, with their model number.
  struct Entry {
    int64_t model;
    Term value;
  };
  // "table" or "intname", '\x1f', the table -> the table's Key.
  std::unordered_map<std::string, std::vector<Entry>> table_keys;
  // Code, '\x1f', Key, '\x1f', Name -> Value.
  std::unordered_map<std::string, std::vector<Entry>> values;
  std::vector<Term> datastores;  // the lists of the datastore/1 rules
  bool endtrn = false;           // a program rule a(13, [endtrn])
};

std::string value_key(int64_t code, std::string_view key, std::string_view name) {
  std::string k = std::to_string(code);
  k += '\x1f';
  k += key;
  k += '\x1f';
  k += name;
  return k;
}

void add_rule(OptionIndex& idx, const Term& rule) {
  if (!rule.is_compound()) return;
  const std::string& f = rule.functor().name();
  if (f == "prop" && rule.arity() == 2) {
    const Term& n = rule.arg(1);
    auto v = value_text(rule.arg(2));
    if (!(n.is_atom() || n.is_string()) || !v || upper(*v) == "UMPV") return;
    idx.props.try_emplace(upper(n.text()), *v);
  } else if (f == "p" && rule.arity() == 5) {
    auto model = int_of(rule.arg(1));
    auto code = int_of(rule.arg(2));
    auto kind = value_text(rule.arg(3));
    const std::vector<Term> nv = rule.arg(5).list_items();
    if (!model || !code || kind != "fv" || nv.size() < 2) return;
    auto name = value_text(nv[0]);
    if (!name) return;
    const std::string key = match_key(rule.arg(4));
    if (*code == 0 && (*name == "table" || *name == "intname")) {
      idx.table_keys[*name + '\x1f' + match_key(nv[1])].push_back({*model, rule.arg(4)});
    }
    idx.values[value_key(*code, key, *name)].push_back({*model, nv[1]});
  } else if (f == "datastore" && rule.arity() == 1) {
    idx.datastores.push_back(rule.arg(1));
  } else if (f == "rule" && rule.arity() == 4 && rule.arg(1).is_cons()) {
    const Term& a = rule.arg(1).head();
    if (a.is_compound() && a.functor() == engine::Atom("a") && a.arity() == 2 &&
        a.arg(1).is_int() && a.arg(1).as_int() == 13 && a.arg(2) == Term::list({atom("endtrn")})) {
      idx.endtrn = true;
    }
  }
}

const OptionIndex& option_index(Run& run) {
  std::shared_ptr<void>& slot = run.option_index();
  if (!slot) slot = std::make_shared<OptionIndex>();
  auto* idx = static_cast<OptionIndex*>(slot.get());
  const uint64_t stamp = run.facts().stamp("rule_i", 2);
  if (idx->stamp != stamp) {
    *idx = OptionIndex{};
    for (const Term& f : run.facts().clauses("rule_i", 2)) add_rule(*idx, f.arg(2));
    idx->stamp = stamp;
  }
  return *idx;
}

// The first entry that belongs to the current model (model 0 belongs to every model).
const Term* for_model(Run& run, const std::vector<OptionIndex::Entry>* entries) {
  if (!entries) return nullptr;
  std::optional<int64_t> current;
  if (auto m = get_model_num(run); m && m->is_int()) current = m->as_int();
  for (const auto& e : *entries) {
    if (e.model == 0 || (current && e.model == *current)) return &e.value;
  }
  return nullptr;
}

template <typename Map>
const std::vector<OptionIndex::Entry>* find_in(const Map& map, const std::string& key) {
  auto it = map.find(key);
  return it == map.end() ? nullptr : &it->second;
}

// The Key of the table's entries: its `table` entry, else its `intname` one.
std::optional<std::string> tbl_key(Run& run, const Term& table) {
  const OptionIndex& idx = option_index(run);
  const std::string t = match_key(table);
  for (const char* name : {"table", "intname"}) {
    if (const Term* key = for_model(run, find_in(idx.table_keys, std::string(name) + '\x1f' + t))) {
      return match_key(*key);
    }
  }
  return std::nullopt;
}

const Term* entry_value(Run& run, int64_t code, const std::string& key, std::string_view name) {
  return for_model(run, find_in(option_index(run).values, value_key(code, key, name)));
}

// [Number, Name, Code | _] of a datastore/1 rule or a datastore_i/1 fact.
std::optional<Datastore> datastore_row(const Term& list) {
  const std::vector<Term> items = list.list_items();
  if (items.size() < 3) return std::nullopt;
  auto number = int_of(items[0]);
  auto name = value_text(items[1]);
  if (!number || !name) return std::nullopt;
  return Datastore{*number, *name, int_of(items[2])};
}

// The data-store rows in order: the datastore/1 rules, then the
// datastore_i/1 facts.
std::vector<Datastore> datastore_rows(Run& run) {
  std::vector<Datastore> rows;
  for (const Term& list : option_index(run).datastores) {
    if (auto r = datastore_row(list)) rows.push_back(std::move(*r));
  }
  for (const Term& f : run.facts().clauses("datastore_i", 1)) {
    if (auto r = datastore_row(f.arg(1))) rows.push_back(std::move(*r));
  }
  return rows;
}

Datastore default_store() { return Datastore{1, std::string(kDefaultDstore), std::nullopt}; }

constexpr DtasrcRow kDtasrcTable[] = {
    {"1", "qedbase", "DBFCDX", "odbc", "qedbf"},
    {"3", "access", "ACCESS", "access", "access"},
    {"4", "as400", "AS400N", "odbc", "db2400"},
    {"5", "db2", "DB2-60", "odbc", "db2cae"},
    {"6", "na", "BTRIEV", "odbc", "qebtrieve"},
    {"7", "oracle7", "ORANLM", "odbc", "qeoracle7"},
    {"8", "db2", "DB2-O2", "odbc", "db2cae"},
    {"9", "as400", "DB2-O4", "odbc", "db2400"},
    {"11", "informix", "INFORM", "odbc", "qeinfrmx"},
    {"12", "sqlserver", "SQLSRV", "odbc", "qesqlserver"},
};

constexpr std::pair<std::string_view, std::string_view> kDriverCsNames[] = {
    {"db2cae", "DB2/6000"},     {"db2cae", "DB2/2"},        {"db2400", "DB2/400"},
    {"qebtrieve", "QEBTRIEVE"}, {"qeoracle7", "QEORACLE7"}, {"qesqlserver", "QESQLSERVER"},
    {"showcase", "SHOWCASE"},   {"qeinfrmx", "QEINFORMIX"}, {"qesqlserver", "SQLSRV"},
};

// model_dbms/1's order: DBMS from the default driver.
constexpr std::pair<std::string_view, std::string_view> kDbmsOfDriver[] = {
    {"access", "access"},     {"sqlserver", "qesqlserver"}, {"as400", "db2400"},
    {"oracle7", "qeoracle7"}, {"informix", "qeinfrmx"},     {"db2", "db2cae"},
    {"qedbase", "qedbf"},
};

}  // namespace

// --- shared helpers ------------------------------------------------------------------

bool text_begins(std::string_view value, std::string_view prefix) {
  return value.size() >= prefix.size() && upper(value.substr(0, prefix.size())) == upper(prefix);
}

std::optional<int64_t> decimal_of(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  int64_t v = 0;
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, v);
  if (ec != std::errc() || p != end || text.front() == '+') return std::nullopt;
  return v;
}

bool has_endtrn_rule(Run& run) { return option_index(run).endtrn; }

std::vector<int64_t> model_dstores(Run& run) {
  std::vector<int64_t> out{1};
  for (const Datastore& d : datastore_rows(run)) {
    if (std::find(out.begin(), out.end(), d.number) == out.end()) out.push_back(d.number);
  }
  return out;
}

// --- program options -----------------------------------------------------------------

std::optional<std::string> pgm_prop_value(Run& run, std::string_view name) {
  const OptionIndex& idx = option_index(run);
  if (auto it = idx.props.find(upper(name)); it != idx.props.end()) return it->second;
  return config_value(run, name);
}

std::optional<std::string> pgm_prop_upper(Run& run, std::string_view name) {
  auto v = pgm_prop_value(run, name);
  if (!v) return std::nullopt;
  return upper(*v);
}

bool pgm_prop_is(Run& run, std::string_view name, std::string_view prefix) {
  auto v = pgm_prop_value(run, name);
  return v && text_begins(*v, prefix);
}

std::string pgm_prop_dft(Run& run, std::string_view name, std::string_view def) {
  return pgm_prop_value(run, name).value_or(std::string(def));
}

std::string pgm_prop_upper_dft(Run& run, std::string_view name, std::string_view def) {
  return upper(pgm_prop_dft(run, name, def));
}

std::optional<std::string> config_value(Run& run, std::string_view key) {
  const Term k = atom(upper(key));
  if (auto f = run.facts().first(fact("config_i", {k, var()}))) return value_text(f->arg(2));
  std::optional<std::string> value;
  if (auto pref = dstore_pref(run, 1, k.text()); pref && !pref->empty()) {
    value = std::move(pref);
  } else {
    std::array<Term, 2> a{str(k.text()), var()};
    if (call_host(run, "i_config", a)) value = value_text(a[1]);
  }
  if (value) run.facts().asserta(fact("config_i", {k, str(*value)}));
  return value;
}

bool config_is(Run& run, std::string_view key, std::string_view prefix) {
  auto v = config_value(run, key);
  return v && text_begins(*v, prefix);
}

std::optional<std::string> dstore_pref(Run& run, int64_t store, std::string_view key) {
  const Term s = num(store);
  const Term k = atom(key);
  if (auto f = run.facts().first(fact("dstore_pref_i", {s, k, var()})))
    return value_text(f->arg(3));
  auto model = get_model_num(run);
  if (!model || !model->is_int()) return std::nullopt;
  const auto pairs = model_num_pair(run, model->as_int());
  if (pairs.empty()) return std::nullopt;
  std::array<Term, 4> a{str(key), s, num(pairs.front().second), var()};
  if (!call_host(run, "i_dstorepref", a)) return std::nullopt;
  auto value = value_text(a[3]);
  if (value) run.facts().asserta(fact("dstore_pref_i", {s, k, str(*value)}));
  return value;
}

bool statusbar_on(Run& run) {
  if (pgm_prop_is(run, "STATUSBAR", "always")) return true;
  if (pgm_prop_is(run, "STATUSBAR", "never")) return false;
  if (spec_kind_in(run, {"trn"})) return true;
  if (!spec_kind_in(run, {"scr"})) return false;
  // msg(Argument, Nowait) or msg(Argument, Status) on a command line.
  auto token_is = [](const Term& tok, std::string_view text) {
    return tok.is_compound() && tok.arity() >= 1 &&
           (tok.arg(1).is_atom() || tok.arg(1).is_string()) &&
           upper(tok.arg(1).text()) == upper(text);
  };
  const auto lines =
      run.facts().findall(fact("b_line_i", {var(), var(), var(), atom("cmd"), var(), var()}));
  for (std::string_view word : {"Nowait", "Status"}) {
    for (const Term& line : lines) {
      const std::vector<Term> t = line.arg(6).list_items();
      if (t.size() != 5 || !t[0].is_compound() || t[0].arity() < 2 || !t[0].arg(2).is_int() ||
          t[0].arg(2).as_int() != kMsgCmd) {
        continue;
      }
      if (token_is(t[2], ",") && token_is(t[3], word) && token_is(t[4], ")")) return true;
    }
  }
  return false;
}

std::string java_package_prefix(Run& run) {
  auto p = pgm_prop_value(run, "PACKAGE");
  if (!p || p->empty()) return "";
  return *p + ".";
}

std::optional<std::string> dtasrc(Run& run) { return pgm_prop_value(run, "DTASRC"); }

std::optional<int64_t> dtasrc_code(Run& run) {
  auto d = dtasrc(run);
  if (!d) return std::nullopt;
  return decimal_of(*d);
}

std::optional<std::string> cs_server(Run& run) { return pgm_prop_value(run, "CS_SERVER"); }
std::optional<std::string> cs_schema(Run& run) { return pgm_prop_value(run, "CS_SCHEMA"); }

std::optional<std::string> cs_dbname(Run& run) {
  return pgm_prop_value(run, dtasrc_code(run) == 4 ? "DTALIB" : "CS_DBNAME");
}

bool cs_reorg_on(Run& run) { return !pgm_prop_is(run, "CS_REORG", "N"); }

bool initialize_new_on(Run& run) { return pgm_prop_is(run, "initialize_new", "y"); }

ConnDialogUser conn_dialog_user(Run& run) {
  if (pgm_prop_value(run, "CS_CNTDLG") == "2") {
    if (auto user = pgm_prop_value(run, "USER_ID")) {
      return ConnDialogUser{java_quoted(*user),
                            java_quoted(pgm_prop_value(run, "USER_PASSWORD").value_or("")), 0};
    }
  }
  return ConnDialogUser{"\"\"", "\"\"", 1};
}

// --- database systems and drivers ----------------------------------------------------------

std::span<const DtasrcRow> dtasrc_table() { return kDtasrcTable; }

const DtasrcRow* dtasrc_row(std::string_view code) {
  for (const DtasrcRow& r : kDtasrcTable) {
    if (r.code == code) return &r;
  }
  return nullptr;
}

std::optional<int64_t> related_dtasrc(int64_t code) {
  if (code == 4) return 9;
  if (code == 9) return 4;
  return std::nullopt;
}

std::span<const std::pair<std::string_view, std::string_view>> driver_cs_names() {
  return kDriverCsNames;
}

std::optional<std::string> model_driver(Run& run) {
  if (auto d = dtasrc(run)) {
    if (const DtasrcRow* r = dtasrc_row(*d)) return std::string(r->driver);
    return std::nullopt;
  }
  if (auto cs = pgm_prop_upper(run, "CS_DRIVER")) {
    for (const auto& [driver, name] : kDriverCsNames) {
      if (cs->starts_with(name)) return std::string(driver);
    }
  }
  return "qedbf";
}

std::optional<std::string> model_access_api(Run& run) {
  if (auto d = dtasrc(run)) {
    if (const DtasrcRow* r = dtasrc_row(*d)) return std::string(r->api);
    return std::nullopt;
  }
  if (pgm_prop_is(run, "CS_API", "ODBC")) return "odbc";
  return std::nullopt;
}

std::optional<std::string> model_dbms(Run& run) {
  auto driver = model_driver(run);
  if (!driver) return std::nullopt;
  for (const auto& [dbms, drv] : kDbmsOfDriver) {
    if (*driver == drv) return std::string(dbms);
  }
  return std::nullopt;
}

std::optional<Datastore> find_dstore(Run& run, const Term& store) {
  std::optional<int64_t> number;
  if (store.is_int()) {
    number = store.as_int();
  } else if (store.is_atom() || store.is_string()) {
    const std::string name = upper(store.text());
    if (name == upper(kDefaultDstore)) return default_store();
    for (Datastore& d : datastore_rows(run)) {
      if (upper(d.name) == name) return std::move(d);
    }
    number = decimal_of(store.text());
  }
  if (!number) return std::nullopt;
  if (*number == 1) return default_store();
  for (Datastore& d : datastore_rows(run)) {
    if (d.number == *number) return std::move(d);
  }
  return std::nullopt;
}

std::optional<DbmsDriver> dstore_dbms_driver(Run& run, const std::optional<Term>& store) {
  std::optional<Datastore> d = store ? find_dstore(run, *store) : default_store();
  if (!d) return std::nullopt;
  if (d->number == 1) {
    auto dbms = model_dbms(run);
    auto driver = model_driver(run);
    if (!dbms || !driver) return std::nullopt;
    return DbmsDriver{*dbms, *driver};
  }
  if (!d->code) return std::nullopt;
  const DtasrcRow* r = dtasrc_row(std::to_string(*d->code));
  if (!r) return std::nullopt;
  return DbmsDriver{std::string(r->dbms), std::string(r->driver)};
}

std::optional<std::string> dstore_dbms(Run& run, const Term& store) {
  auto dd = dstore_dbms_driver(run, store);
  if (!dd) return std::nullopt;
  return dd->dbms;
}

// --- tables ------------------------------------------------------------------------------

std::optional<Term> tbl_dstore(Run& run, const Term& table) {
  auto key = tbl_key(run, table);
  if (!key) return std::nullopt;
  if (const Term* v = entry_value(run, 0, *key, "datastore")) return *v;
  return num(1);
}

std::optional<int64_t> tbl_dstore_num(Run& run, const Term& table) {
  auto s = tbl_dstore(run, table);
  if (!s) return std::nullopt;
  if (s->is_int()) return s->as_int();
  auto d = find_dstore(run, *s);
  if (!d) return std::nullopt;
  return d->number;
}

std::optional<std::string> tbl_dstore_name(Run& run, const Term& table) {
  auto s = tbl_dstore(run, table);
  if (!s) return std::nullopt;
  auto d = find_dstore(run, *s);
  if (!d) return std::nullopt;
  return d->name;
}

int64_t tbl_store_or_default(Run& run, const Term& table) {
  return tbl_dstore_num(run, table).value_or(1);
}

bool same_dstore(Run& run, const Term& a, const Term& b) {
  auto id = [&](const Term& table) {
    const Term s = tbl_dstore(run, table).value_or(num(1));
    if (auto d = find_dstore(run, s)) return std::to_string(d->number);
    return "name:" + upper(match_key(s));  // a store the model does not list
  };
  return id(a) == id(b);
}

std::optional<DbmsDriver> tbl_dbms_driver(Run& run, const Term& table) {
  auto s = tbl_dstore(run, table);
  if (!s) return std::nullopt;
  return dstore_dbms_driver(run, *s);
}

std::optional<std::string> table_dbms(Run& run, const Term& table) {
  if (auto dd = tbl_dbms_driver(run, table)) return dd->dbms;
  return model_dbms(run);
}

std::optional<std::string> dbms_option(Run& run, const Term& table) {
  if (auto dd = tbl_dbms_driver(run, table)) {
    if (dd->driver == "na") return std::nullopt;
    return dd->driver;
  }
  return model_driver(run);
}

std::optional<Term> dstore_value(Run& run, const Term& table, std::string_view name) {
  auto key = tbl_key(run, table);
  if (!key) return std::nullopt;
  std::vector<int64_t> codes;
  if (const Term* s = entry_value(run, 0, *key, "datastore")) {
    if (auto d = find_dstore(run, *s); d && d->code) codes.push_back(*d->code);
  }
  if (auto c = dtasrc_code(run)) {
    codes.push_back(*c);
    if (auto r = related_dtasrc(*c)) codes.push_back(*r);
  }
  for (int64_t code : codes) {
    if (const Term* v = entry_value(run, code, *key, name)) return *v;
  }
  return std::nullopt;
}

std::string tbl_ext_name(Run& run, const Term& table, std::string_view internal) {
  if (auto v = dstore_value(run, table, "NAME")) {
    if (auto t = value_text(*v); t && !t->empty()) return *t;
  }
  return std::string(internal);
}

std::string tbl_location(Run& run, const Term& table) {
  if (auto v = dstore_value(run, table, "LOC")) {
    if (auto t = value_text(*v)) return *t;
  }
  return "";
}

std::string tbl_schema(Run& run, const Term& table) {
  if (auto v = dstore_value(run, table, "SCHEMA")) {
    if (auto t = value_text(*v)) return *t;
  }
  if (!(use_synonyms_y(run, table) && !reorg_or_ce_spec(run))) {
    if (auto s = cs_schema(run)) return *s;
  }
  return "";
}

std::string tbl_qualified_name(Run& run, const Term& table, std::string_view name) {
  if (dbms_option(run, table) == "showcase") {
    std::string location;
    if (auto v = dstore_value(run, table, "LOC"); v && value_text(*v)) {
      location = *value_text(*v);
    } else {
      location = cs_dbname(run).value_or("");
    }
    if (!location.empty()) {
      if (auto dbms = table_dbms(run, table)) {
        return qualify_name(*dbms, location, tbl_schema(run, table), name);
      }
    }
  }
  if (auto dbms = table_dbms(run, table)) {
    return qualify_name(*dbms, tbl_location(run, table), tbl_schema(run, table), name);
  }
  return std::string(name);
}

std::optional<std::string> tbl_property(Run& run, const Term& model, const Term& table,
                                        std::string_view property) {
  std::array<Term, 4> a{model, table, str(property), var()};
  if (!call_host(run, "i_tblproperty", a)) return std::nullopt;
  auto v = value_text(a[3]);
  if (!v || v->empty()) return std::nullopt;
  return v;
}

std::optional<std::string> idx_property(Run& run, const Term& model, const Term&, const Term& index,
                                        std::string_view property) {
  std::array<Term, 4> a{model, index, str(property), var()};
  if (!call_host(run, "i_idxproperty", a)) return std::nullopt;
  auto v = value_text(a[3]);
  if (!v || v->empty()) return std::nullopt;
  return v;
}

}  // namespace qn::logic
