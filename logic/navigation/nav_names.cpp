#include "logic/navigation/nav_names.h"

#include <algorithm>
#include <array>

#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

void reset_nav_names(Run& run) {
  run.facts().abolish("get_nav_name_i", 7);
  run.facts().abolish("get_nav_st_name_i", 8);
}

std::vector<Term> table_joins(Run& run, int64_t model, const Term& table) {
  std::array<Term, 3> atts{num(model), table, var()};
  if (!call_host(run, "i_all_atrisr", atts)) return {};
  std::array<Term, 6> c{num(model), atts[2], num(2), table, var(), var()};
  if (!call_host(run, "i_closuret", c)) return {};
  std::vector<Term> joins;
  for (const Term& entry : c[5].list_items()) {
    const auto e = entry.list_items();
    if (e.size() < 2) continue;
    // The items [F, W, P]: reached from F through W.
    std::vector<Term> through;
    Term from = table;
    for (const Term& item : e[1].list_items()) {
      const auto i = item.list_items();
      if (i.size() < 3) continue;
      from = i[0];
      through.push_back(i[1]);
    }
    joins.push_back(Term::list({from, e[0], Term::list(through)}));
  }
  return joins;
}

std::optional<std::vector<Term>> get_nav1_st(const Term& from, const Term& to,
                                             const std::vector<Term>& joins) {
  // Depth first with the tables visited so far; a dead end steps back.
  std::vector<Term> path{from};
  std::vector<size_t> next{0};
  const auto visited = [&](const Term& t) {
    return std::find(path.begin(), path.end(), t) != path.end();
  };
  while (!path.empty()) {
    if (path.back() == to) return path;
    bool moved = false;
    // Each join is tried twice from a table: first its referenced side,
    // then its referencing side.
    while (next.back() < 2 * joins.size()) {
      const size_t k = next.back()++;
      const auto j = joins[k % joins.size()].list_items();
      if (j.size() < 2) continue;
      const bool forward = k < joins.size();
      const Term& here = forward ? j[0] : j[1];
      const Term& there = forward ? j[1] : j[0];
      if (here == path.back() && !visited(there)) {
        path.push_back(there);
        next.push_back(0);
        moved = true;
        break;
      }
    }
    if (!moved) {
      path.pop_back();
      next.pop_back();
    }
  }
  return std::nullopt;
}

std::optional<std::string> fk_member_name(Run& run, int64_t model, const Term& table) {
  auto cls = table_class_name(run, table, model);
  if (!cls) return std::nullopt;
  auto name = class_name("tab", *cls);
  if (!name) return std::nullopt;
  return platform::lower_1252(*name);
}

std::optional<std::string> fk_member_name(Run& run, int64_t model, const Term& table,
                                          const Term& via, const std::vector<Term>& keys) {
  auto name = fk_member_name(run, model, table);
  const auto at = std::find(keys.begin(), keys.end(), via);
  if (!name || keys.size() < 2 || at == keys.end()) return name;
  const size_t position = static_cast<size_t>(at - keys.begin()) + 1;
  return *name + padl(std::to_string(position), 5, '0');
}

namespace {

std::optional<std::string> member_path(Run& run, int64_t model, const Term& level,
                                       const Term& to, const Term& base, const Term& kind,
                                       const Term& att) {
  auto& facts = run.facts();
  if (auto c = facts.first(fact("get_nav_st_name_i", {num(model), level, base, to, kind, att, var(), var()})))
    return text_of(c->arg(8));
  std::string text;
  if (!(base == to)) {
    auto path = get_nav1_st(base, to, table_joins(run, model, base));
    if (!path) return std::nullopt;
    for (size_t k = 1; k < path->size(); ++k) {
      auto member = fk_member_name(run, model, (*path)[k]);
      if (!member) return std::nullopt;
      text += *member + "().";
    }
  }
  facts.asserta(fact("get_nav_st_name_i", {num(model), level, base, to, kind, att, atom("path"), str(text)}));
  return text;
}

}  // namespace

std::optional<std::string> nav_member_ref(Run& run, int64_t model, const Term& level,
                                          const Term& to, const Term& base) {
  auto obj = base_table_obj(run, model, base);
  auto path = member_path(run, model, level, to, base, atom("ref"), Term::nil());
  if (!obj || !path) return std::nullopt;
  std::string ref = *obj + "." + *path;
  if (ref.ends_with('.')) ref.pop_back();
  return ref;
}

std::optional<std::string> nav_att_accessor(Run& run, int64_t model, const Term& level,
                                            const Term& table, const Term& att, const Term& base,
                                            std::string_view kind) {
  auto& facts = run.facts();
  std::string accessor;
  if (auto c = facts.first(fact("get_nav_name_i", {num(model), level, table, att, base, atom(kind), var()}))) {
    accessor = text_of(c->arg(7));
  } else {
    auto obj = base_table_obj(run, model, base);
    auto path = member_path(run, model, level, table, base, atom(kind), att);
    auto method = kind == "get" ? attribute_getter_name(run, model, att)
                                : attribute_setter_name(run, model, att);
    if (!obj || !path || !method) return std::nullopt;
    accessor = *obj + "." + *path + *method + "()";
    facts.asserta(fact("get_nav_name_i", {num(model), level, table, att, base, atom(kind), str(accessor)}));
  }
  if (!generating_reorg(run)) record_var_decl(run, att, atom(accessor), "h");
  return accessor;
}

}  // namespace qn::logic
