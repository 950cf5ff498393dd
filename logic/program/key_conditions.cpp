#include "logic/program/key_conditions.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "logic/core/attributes.h"
#include "logic/core/rule_terms.h"

namespace qn::logic {

using engine::Term;

namespace {

Term first_item(const Term& list) {
  if (!list.is_list()) return Term();
  const auto items = list.list_items();
  return items.empty() ? Term() : items.front();
}

void updated_at(Run& run, const Term& level, std::vector<UpdatedTable>& out,
                std::vector<Term>& seen) {
  // A chain of levels that loops back on itself is followed once.
  if (std::find(seen.begin(), seen.end(), level) != seen.end()) return;
  seen.push_back(level);
  auto& facts = run.facts();
  for (const Term& u : facts.findall(fact("upd_i", {level, var(), var(), var()}))) {
    if (u.arg(3) == "u" || u.arg(3) == "d") out.push_back({u.arg(2), level});
  }
  auto own = facts.first(fact("level_i", {level, var()}));
  if (!own || !own->arg(2).is_list() || own->arg(2).list_items().empty()) return;
  const Term base = first_item(own->arg(2));
  for (const Term& s : facts.findall(fact("struct_i", {var(), level, var(), var()}))) {
    auto child = facts.first(fact("level_i", {s.arg(1), var()}));
    if (child && first_item(child->arg(2)) == base) {
      updated_at(run, s.arg(1), out, seen);
      return;  // only the first such child
    }
  }
}

// A number as the rules read one: an optional sign, digits, and an
// optional point followed by digits.
bool reads_as_number(const Term& value) {
  if (value.is_int()) return true;
  if (!value.is_atom() && !value.is_string()) return value.is_number();
  const std::string s = value.text();
  size_t i = s.size() > 0 && (s[0] == '-' || s[0] == '+') ? 1 : 0;
  const size_t digits_from = i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
  if (i == digits_from) return false;
  if (i == s.size()) return true;
  if (s[i] != '.') return false;
  const size_t fraction_from = ++i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
  return i == s.size() && i > fraction_from;
}

// The constant default fits the attribute's type: a quoted text for a
// character type, a number for a numeric one.
bool default_fits(Run& run, const Term& model, const Term& att, const Term& value) {
  auto type = get_attri_type(run, model, att);
  if (!type) return false;
  const Term& t = type->type;
  if (t == "char" || t == "svchar" || t == "vchar") {
    if (!value.is_atom() && !value.is_string()) return false;
    const std::string s = value.text();
    return !s.empty() && (s[0] == '\'' || s[0] == '"');
  }
  return numeric_type(t) && reads_as_number(value);
}

Term tok(const Term& text, int64_t kind) { return fact("t", {text, num(kind)}); }

}  // namespace

std::vector<UpdatedTable> level_updated_tables(Run& run, const Term& level) {
  std::vector<UpdatedTable> out;
  std::vector<Term> seen;
  updated_at(run, level, out, seen);
  return out;
}

Term key_conditions(Run& run, const KeyConditionArgs& a) {
  std::vector<Term> cond;
  if (!a.entries.is_list()) return Term::list({});
  const auto compare = [&](const Term& att, std::string_view op, const Term& right) {
    if (!cond.empty()) cond.push_back(tok(atom(".AND."), kTokLogical));
    cond.push_back(tok(att, a.left_kind));
    cond.push_back(tok(atom(op), kTokCompare));
    cond.push_back(right);
  };
  const auto listed = [](const Term& list) {
    return list.is_list() ? list.list_items() : std::vector<Term>{};
  };
  const std::vector<Term> keys = listed(a.key_attributes), fixed_atts = listed(a.fixed_attributes);
  const auto among = [](const std::vector<Term>& list, const Term& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
  };
  // The defaults of the object, read once: e(Attribute, Mark, Kind, Value).
  const std::vector<Term> defaults = run.facts().clauses("default_i", 1);
  for (const Term& entry : a.entries.list_items()) {
    if (!entry.is_list()) continue;
    const auto e = entry.list_items();
    if (e.size() < 2 || e[0] != a.table) continue;
    const Term& att = e[1];
    const bool key = among(keys, att);
    const bool fixed = among(fixed_atts, att);
    if (key && fixed) {
      compare(att, "=", tok(att, a.right_kind));
      continue;
    }
    std::optional<Term> constant;
    bool by_itself = false;
    for (const Term& d : defaults) {
      const Term& x = d.arg(1);
      if (!x.is_compound() || x.functor() != "e" || x.arity() != 4 || x.arg(1) != att) continue;
      if (!constant && x.arg(2) == num(1) && x.arg(3) == num(2) &&
          default_fits(run, a.model, att, x.arg(4))) {
        constant = x.arg(4);
      }
      if (x.arg(2) == num(3) && x.arg(3) == num(1) && x.arg(4) == att) by_itself = true;
    }
    if (constant) {
      compare(att, "=", tok(*constant, kTokConstant));
    } else if (by_itself && fixed) {
      compare(att, "=", tok(att, a.right_kind));
    } else if (a.mode == "a" && key) {
      compare(att, a.op, tok(att, a.right_kind));
    }
  }
  return Term::list(cond);
}

}  // namespace qn::logic
