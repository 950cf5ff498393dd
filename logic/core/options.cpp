#include "logic/core/options.h"

#include <array>

#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

std::optional<std::string> pgm_prop_value(Run& run, std::string_view name) {
  for (const Term& r : run.facts().findall(fact("rule_i", {var(), fact("prop", {var(), var()})}))) {
    if (platform::iequals_1252(text_of(r.arg(2).arg(1)), name)) return text_of(r.arg(2).arg(2));
  }
  if (auto c = run.facts().first(fact("config_i", {atom(platform::upper_1252(name)), var()}))) {
    return text_of(c->arg(2));
  }
  if (auto pref = dstore_pref(run, 1, platform::upper_1252(name)); pref && !pref->empty()) return pref;
  std::array<Term, 2> a{str(platform::upper_1252(name)), var()};
  if (call_host(run, "i_config", a)) return text_of(a[1]);
  return std::nullopt;
}

bool pgm_prop_is(Run& run, std::string_view name, std::string_view prefix) {
  auto v = pgm_prop_value(run, name);
  return v && platform::upper_1252(*v).starts_with(platform::upper_1252(prefix));
}

std::optional<std::string> dstore_pref(Run& run, int64_t store, std::string_view key) {
  if (auto f = run.facts().first(fact("dstore_pref_i", {num(store), atom(key), var()}))) {
    return text_of(f->arg(3));
  }
  return std::nullopt;
}

namespace {

struct Row {
  const char* code;
  const char* dbms;
  const char* driver;
};
constexpr Row kRows[] = {{"1", "qedbase", "qedbf"},   {"3", "access", "access"},
                         {"4", "as400", "db2400"},    {"5", "db2", "db2cae"},
                         {"6", "na", "qebtrieve"},    {"7", "oracle7", "qeoracle7"},
                         {"8", "db2", "db2cae"},      {"9", "as400", "db2400"},
                         {"11", "informix", "qeinfrmx"}, {"12", "sqlserver", "qesqlserver"}};

const Row* model_row(Run& run) {
  auto code = pgm_prop_value(run, "DTASRC");
  if (!code) return nullptr;
  for (const Row& r : kRows) {
    if (*code == r.code) return &r;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> model_driver(Run& run) {
  if (const Row* r = model_row(run)) return std::string(r->driver);
  return std::nullopt;
}

std::optional<std::string> model_dbms(Run& run) {
  if (const Row* r = model_row(run)) return std::string(r->dbms);
  return std::nullopt;
}

std::optional<std::string> dstore_dbms(Run& run, const Term& store) {
  if (store.is_int() && store.as_int() == 1) return model_dbms(run);
  return std::nullopt;
}

}  // namespace qn::logic
