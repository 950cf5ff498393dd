#include "logic/core/attributes.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <unordered_map>

#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"

namespace qn::logic {

using engine::Atom;
using engine::Term;

namespace {

std::vector<Term> items(const Term& list) { return list.list_items(); }

struct StdVar {
  const char* key;
  const char* name;
  const char* type;
  int length;
  const char* picture;  // nullptr: ''
  int x6;
};

constexpr StdVar kStandardVariables[] = {
    {"Err", "Qn_err", "int", 3, "ZZ9", 1},          {"Errmsg", "Qn_emsg", "char", 70, nullptr, 1},
    {"Qnoper", "Qn_ope", "char", 30, nullptr, 0},   {"Qndberr", "Qn_dbe", "int", 5, "ZZZZ9", 1},
    {"Qndbtxt", "Qn_dbt", "char", 255, nullptr, 0}, {"Qnerrtbl", "Qn_etb", "char", 30, nullptr, 0},
    {"Qnerropt", "Qn_eop", "int", 1, nullptr, 0},   {"Qncount", "Qn_cnt", "int", 9, nullptr, 0},
    {"Qnuserid", "Qn_usr", "char", 30, nullptr, 0}, {"Qnpasswrd", "Qn_pwd", "char", 30, nullptr, 0},
    {"Qndbname", "Qn_dbn", "char", 30, nullptr, 0}, {"Qndbsrv", "Qn_srv", "char", 30, nullptr, 0},
    // The request of a web panel: members of its superclass.
    {"CGI_RequestMethod", "CGI_RequestMethod", "char", 10, nullptr, 0},
    {"CGI_Referer", "CGI_Referer", "char", 1024, nullptr, 0},
};

constexpr std::pair<int, const char*> kTypeCodes[] = {
    {4, "int"},  {5, "char"}, {6, "date"},   {7, "bits"},    {8, "vchar"},   {9, "pac"},
    {10, "zon"}, {11, "bin"}, {12, "dtime"}, {13, "svchar"}, {14, "bitstr"},
};

bool atom_in(const Term& t, std::initializer_list<std::string_view> names) {
  if (!t.is_atom()) return false;
  return std::find(names.begin(), names.end(), t.text()) != names.end();
}

// Element n (0-based) of a description list.
std::optional<Term> desc_item(const Term& desc, size_t n) {
  const Term* at = &desc;
  for (; n > 0 && at->is_cons(); --n) at = &at->tail();
  if (!at->is_cons()) return std::nullopt;
  return at->head();
}

}  // namespace

std::optional<Atom> attri_type_code(int64_t code) {
  for (const auto& [c, name] : kTypeCodes) {
    if (c == code) return Atom(name);
  }
  return std::nullopt;
}

std::optional<int64_t> attri_type_code(Atom type) {
  for (const auto& [c, name] : kTypeCodes) {
    if (type == name) return c;
  }
  return std::nullopt;
}

bool numeric_type(const Term& type) { return atom_in(type, {"int", "pac", "zon", "bin"}); }
bool fixchar_type(const Term& type) { return atom_in(type, {"char", "svchar", "bits"}); }
bool vchar_type(const Term& type) {
  return type == "vchar" || (type.is_cons() && type.head() == "vchar");
}

std::string att_title(Run& run, const Term& model, const Term& att) {
  if (auto d = standard_variable(att)) {
    const auto items = d->list_items();
    return items.size() > 6 ? text_of(items[6]) : "";
  }
  std::array<Term, 10> info{model, att, var(), var(), var(), var(), var(), var(), var(), var()};
  return call_host(run, "i_attri_info", info) ? text_of(info[8]) : "";
}

std::optional<Term> standard_variable(const Term& key) {
  if (!key.is_atom()) return std::nullopt;
  // Every variable reference asks: the keys are interned once, so a miss
  // compares atom numbers only.
  static const std::vector<Atom> keys = [] {
    std::vector<Atom> k;
    for (const StdVar& v : kStandardVariables) k.emplace_back(v.key);
    return k;
  }();
  const auto at = std::find(keys.begin(), keys.end(), key.as_atom());
  if (at == keys.end()) return std::nullopt;
  const StdVar& v = kStandardVariables[at - keys.begin()];
  return Term::list({atom(v.name), atom(v.type), num(v.length), num(0),
                     v.picture ? str(v.picture) : atom(""), num(v.x6), atom(""), atom(""), num(0)});
}

std::optional<Term> call_attri(const Run& run, const Term& att) {
  static const Atom kAttri("attri_i"), kIs("is_i"), kT("t");
  Term cur = att;
  std::vector<Term> seen;  // an is_i chain that comes back to itself has no description
  for (;;) {
    if (auto d = standard_variable(cur)) return d;
    if (auto f = run.facts().first(Term::compound(kAttri, {cur, var()}))) return f->arg(2);
    auto is = run.facts().first(
        Term::compound(kIs, {cur, Term::cons(Term::compound(kT, {var(), var()}), var())}));
    if (!is) return std::nullopt;
    seen.push_back(cur);
    cur = is->arg(2).head().arg(1);
    if (std::find(seen.begin(), seen.end(), cur) != seen.end()) return std::nullopt;
  }
}

std::optional<AttriType> get_attri_type(Run& run, const Term& model, const Term& att) {
  if (auto d = call_attri(run, att)) {
    const std::vector<Term> v = items(*d);
    if (v.size() < 4) return std::nullopt;
    return AttriType{v[1], v[2], v[3], v.size() > 4 ? v[4] : Term::nil()};
  }
  std::array<Term, 5> a{model, att, var(), var(), var()};
  if (!call_host(run, "i_attri_type", a) || !a[2].is_int()) return std::nullopt;
  auto type = attri_type_code(a[2].as_int());
  if (!type) return std::nullopt;
  return AttriType{Term::atom(*type), a[3], a[4], Term::nil()};
}

std::optional<AttriType> attri_type_pic(Run& run, const Term& model, const Term& att) {
  if (auto d = call_attri(run, att)) {
    const std::vector<Term> v = items(*d);
    if (v.size() < 5) return std::nullopt;
    return AttriType{v[1], v[2], v[3], v[4]};
  }
  auto t = get_attri_type(run, model, att);
  if (!t) return std::nullopt;
  auto pic = get_attri_pic(run, model, att);
  if (!pic) return std::nullopt;
  t->picture = *pic;
  return t;
}

std::optional<Term> get_attri_name(Run& run, const Term& model, const Term& att) {
  if (auto d = call_attri(run, att)) return desc_item(*d, 0);
  std::array<Term, 4> a{model, att, var(), var()};
  if (!call_host(run, "i_attri_name", a)) return std::nullopt;
  return a[2];
}

std::optional<Term> current_attri_name(Run& run, const Term& att) {
  if (auto d = call_attri(run, att)) return desc_item(*d, 0);
  std::array<Term, 4> a{get_model_num(run).value_or(num(0)), att, var(), var()};
  if (!call_host(run, "i_attri_name", a)) return std::nullopt;
  return a[2];
}

std::optional<Term> get_attri_pic(Run& run, const Term& model, const Term& att) {
  if (auto d = call_attri(run, att)) return desc_item(*d, 4);
  std::array<Term, 3> a{model, att, var()};
  if (!call_host(run, "i_attri_pic", a)) return std::nullopt;
  return a[2];
}

std::optional<Term> attri_pic(Run& run, const Term& att) {
  auto model = get_model_num(run);
  if (!model) return std::nullopt;
  return get_attri_pic(run, *model, att);
}

namespace {

// The first dim rule of each variable, read once per change of rule_i/2:
// rule_i/2 holds every rule of the object, and the variable is its second
// argument's first, so a query would read them all for every variable. A
// rule with a variable where a dim rule could match leaves the index
// unusable, and the query answers instead.
struct DimIndex {
  uint64_t stamp = 0;
  bool built = false;
  bool usable = true;
  std::unordered_map<Term, Term> dims;
};

const DimIndex& dim_index(const Run& run) {
  std::shared_ptr<void>& slot = run.dim_index();
  if (!slot) slot = std::make_shared<DimIndex>();
  auto& idx = *static_cast<DimIndex*>(slot.get());
  const uint64_t stamp = run.facts().stamp("rule_i", 2);
  if (idx.built && idx.stamp == stamp) return idx;
  static const Atom kDim("dim");
  idx = DimIndex{};
  for (const Term& f : run.facts().clauses("rule_i", 2)) {
    const Term& r = f.arg(2);
    if (r.is_var()) idx.usable = false;
    if (!r.is_compound() || r.functor() != kDim || r.arity() != 2) continue;
    if (r.has_vars()) idx.usable = false;
    idx.dims.try_emplace(r.arg(1), r.arg(2));
  }
  idx.stamp = stamp;
  idx.built = true;
  return idx;
}

}  // namespace

std::optional<Term> var_dim(const Run& run, const Term& v) {
  const DimIndex& idx = dim_index(run);
  if (idx.usable && !v.has_vars()) {
    auto at = idx.dims.find(v);
    if (at == idx.dims.end()) return std::nullopt;
    return at->second;
  }
  if (auto f = run.facts().first(fact("rule_i", {var(), fact("dim", {v, var()})}))) {
    return f->arg(2).arg(2);
  }
  return std::nullopt;
}

std::optional<Term> attri_name_or_self(const Run& run, const Term& att) {
  if (auto f = run.facts().first(fact("attri_i", {att, Term::cons(var(), var())}))) {
    return f->arg(2).head();
  }
  if (!att.is_number()) return att;
  return std::nullopt;
}

std::optional<Term> ext_attri_name(Run& run, const Term& att, const Term& obj) {
  if (auto f = run.facts().first(fact("map_i", {obj, atom("a"), att, Term::cons(var(), var())}))) {
    return f->arg(4).head();
  }
  if (auto n = attri_name_or_self(run, att)) return n;
  auto model = get_model_num(run);
  if (!model || !model->is_int()) return std::nullopt;
  const auto pairs = model_num_pair(run, model->as_int());
  if (pairs.empty()) return std::nullopt;
  std::array<Term, 4> a{num(pairs.front().first), att, var(), var()};
  if (!call_host(run, "i_attri_name", a)) return std::nullopt;
  return a[2];
}

Term mapped_i_name(const Run& run, const Term& name, const Term& obj) {
  if (auto f = run.facts().first(fact("map_i", {obj, atom("i"), name, Term::cons(var(), var())}))) {
    return f->arg(4).head();
  }
  return name;
}

}  // namespace qn::logic
