#include "logic/sql/index_selection.h"

#include <array>
#include <cstdlib>
#include <unordered_set>

#include "logic/core/dbms_caps.h"
#include "logic/core/host_interface.h"
#include "logic/core/lists.h"
#include "logic/core/rule_terms.h"

namespace qn::logic {

using engine::Term;

namespace {

// i_index_exists/4: the first index numbered From or above; none at the end.
std::optional<int64_t> next_index(Run& run, const Term& model, const Term& table, int64_t from) {
  std::array<Term, 4> a{model, table, num(from), var()};
  if (!call_host(run, "i_index_exists", a) || !a[3].is_int() || a[3].as_int() < from) {
    return std::nullopt;
  }
  return a[3].as_int();
}

// The attribute lists compare element by element, marks included.
bool begins_with(const std::vector<Term>& list, const std::vector<Term>& prefix) {
  if (prefix.size() > list.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (!(list[i] == prefix[i])) return false;
  }
  return true;
}

}  // namespace

std::vector<Term> index_p(Run& run, const Term& model, const Term& table) {
  std::vector<Term> out;
  const bool keep_desc = desc_idx_dbms(run, table);
  // The answer always grows, so the walk ends; a host that answered a
  // number below the one asked would otherwise loop (next_index refuses it).
  for (auto n = next_index(run, model, table, 1); n; n = next_index(run, model, table, *n + 1)) {
    std::array<Term, 6> a{model, table, num(*n), var(), var(), var()};
    if (!call_host(run, "i_index", a) || !a[5].is_list()) continue;
    const Term kind = atom(a[4].is_int() && a[4].as_int() == 1 ? "u" : "d");
    const Term atts = keep_desc ? a[5] : paren_negatives(a[5]);
    out.push_back(Term::list({num(*n), kind, atts}));
    if (*n == INT32_MAX) break;
  }
  return out;
}

std::vector<Term> actual_index(Run& run, const Term& model, const Term& table) {
  std::vector<Term> out;
  for (const Term& e : index_p(run, model, table)) {
    const auto x = e.list_items();
    if (x[1] == "u") {
      out.push_back(e);
      continue;
    }
    std::array<Term, 5> a{model, table, x[2], var(), var()};
    if (call_host(run, "i_index_needed", a)) out.push_back(e);
  }
  return out;
}

bool valid_index(const Term& entry, const std::vector<Term>& entries, const Term& table_atts) {
  const auto x = entry.list_items();
  if (x.size() < 3) return false;
  std::unordered_set<int64_t> stored;
  for (const Term& a : table_atts.list_items()) {
    if (a.is_int()) stored.insert(std::llabs(a.as_int()));
  }
  const auto atts = x[2].list_items();
  for (const Term& a : atts) {
    if (!a.is_int() || !stored.contains(std::llabs(a.as_int()))) return false;
  }
  if (!(x[1] == "d")) return true;
  bool before = true;  // the other entry comes before this one
  for (const Term& other : entries) {
    const auto y = other.list_items();
    if (y.size() < 3) continue;
    if (y[0] == x[0]) {
      before = false;
      continue;
    }
    const auto other_atts = y[2].list_items();
    if (!begins_with(other_atts, atts)) continue;
    // A longer list serves this one; an equal one serves it when it is
    // unique (never dropped itself) or comes first.
    if (other_atts.size() > atts.size() || y[1] == "u" || before) return false;
  }
  return true;
}

bool valid_indexes(Run& run, const Term& model, const Term& table, Term& indexes) {
  std::array<Term, 3> a{model, table, var()};
  const Term table_atts = call_host(run, "i_all_atrisr", a) ? a[2] : Term::list({});
  const std::vector<Term> all = index_p(run, model, table);
  std::vector<Term> kept;
  for (const Term& e : all) {
    if (valid_index(e, all, table_atts)) kept.push_back(e);
  }
  indexes = Term::list(kept);
  return true;
}

}  // namespace qn::logic
