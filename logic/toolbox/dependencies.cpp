#include "logic/toolbox/dependencies.h"

#include <vector>

#include "logic/java/java_naming.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/java/java_naming.h"
#include "logic/program/expressions.h"
#include "logic/toolbox/pending.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

Term pgm(Run& run) { return atom(cur_pgm_name(run)); }

bool contains(const Term& list, const Term& x) {
  for (const Term& i : list.list_items()) {
    if (i == x) return true;
  }
  return false;
}

Term appended(const Term& list, const Term& x) {
  auto items = list.list_items();
  items.push_back(x);
  return Term::list(items);
}

bool suspended(Run& run) {
  return generating_reorg(run) || run.facts().count("trn_server_side_i", 0) > 0;
}

// The object's pgm_main_i/4 list, found by the kind and number of spec_i/1.
std::optional<std::vector<Term>> main_list(Run& run) {
  auto spec = spec_list(run);
  if (!spec) return std::nullopt;
  const auto s = spec->list_items();
  if (s.size() < 2) return std::nullopt;
  auto f = run.facts().first(fact("pgm_main_i", {s[0], s[1], var(), var()}));
  if (!f || !f->arg(4).is_list()) return std::nullopt;
  return f->arg(4).list_items();
}

// The sixth element lower-cased; '' when the list has none.
std::string location_of(const std::vector<Term>& l) {
  return l.size() > 5 ? platform::lower_1252(text_of(l[5])) : std::string();
}

}  // namespace

std::string cur_pgm_name(Run& run) {
  auto spec = spec_list(run);
  if (!spec) return "";
  const auto s = spec->list_items();
  return s.size() > 3 ? kind_pgm_name(run, text_of(s[3])) : "";
}

bool add_object_dependency(Run& run, const Term& cls) {
  if (suspended(run)) return true;
  auto& facts = run.facts();
  const Term p = pgm(run);
  if (auto f = facts.first(fact("ij_object_dependency", {p, var(), var()}))) {
    if (contains(f->arg(2), cls)) return true;
    facts.retract(*f);
    facts.assertz(fact("ij_object_dependency", {p, appended(f->arg(2), cls), f->arg(3)}));
    return true;
  }
  facts.assertz(fact("ij_object_dependency", {p, Term::list({cls}), Term::list({})}));
  return true;
}

void record_table_def(Run& run, const Term& table, const Term& data_class,
                      const Term& supplier_class, const Term& list) {
  auto& facts = run.facts();
  if (facts.retract(fact("ij_table_def", {table, var(), var()}))) {
    facts.assertz(fact("ij_table_def", {table, data_class, supplier_class, list}));
    return;
  }
  if (auto f = facts.retract(fact("ij_table_def", {table, var(), var(), var()}))) {
    std::vector<Term> merged;
    auto add = [&](const Term& l) {
      for (const Term& i : l.list_items()) {
        if (!contains(Term::list(merged), i)) merged.push_back(i);
      }
    };
    add(list);
    add(f->arg(4));
    facts.assertz(fact("ij_table_def", {table, data_class, supplier_class, Term::list(merged)}));
    return;
  }
  facts.assertz(fact("ij_table_def", {table, data_class, supplier_class, list}));
}

void reset_object_dependencies(Run& run) {
  auto& facts = run.facts();
  const Term p = pgm(run);
  if (auto f = facts.retract(fact("ij_object_dependency", {p, var(), var()}))) {
    facts.assertz(fact("old_ij_object_dependency", {f->arg(1), f->arg(2), f->arg(3)}));
  }
  facts.retract(fact("ij_main_object", {p, var(), var()}));
  facts.retract(fact("ij_automatic_remote_object", {p, var()}));
}

void record_table_dependencies(Run& run) {
  if (generating_reorg(run)) return;
  auto& facts = run.facts();
  const Term p = pgm(run);
  for (const Term& ti : facts.clauses("table_i", 2)) {
    const Term table = ti.arg(1);
    auto cls = table_class_name(run, table, 0);
    if (cls) {
      auto sup = class_name("sup", *cls);
      auto tab = class_name("tab", *cls);
      if (sup && tab) record_table_def(run, table, atom(*tab), atom(*sup), Term::list({}));
    }
    if (auto f = facts.first(fact("ij_object_dependency", {p, var(), var()}))) {
      if (contains(f->arg(3), table)) continue;
      facts.retract(*f);
      facts.assertz(fact("ij_object_dependency", {p, f->arg(2), appended(f->arg(3), table)}));
    } else {
      facts.assertz(fact("ij_object_dependency", {p, Term::list({}), Term::list({table})}));
    }
  }
}

void record_main_location(Run& run) {
  auto l = main_list(run);
  if (!l) return;
  const std::string loc = location_of(*l);
  if (loc.empty()) return;
  const Term f = fact("ij_location", {atom(loc)});
  if (!run.facts().exists(f)) run.facts().assertz(f);
}

void record_main_object(Run& run) {
  const Term p = pgm(run);
  if (auto l = main_list(run)) {
    const Term object = l->size() > 2 ? (*l)[2] : atom("");
    run.facts().assertz(fact("ij_main_object", {p, object, atom(location_of(*l))}));
    return;
  }
  if (auto_remote_proc(run)) {
    const std::string v = platform::lower_1252(pgm_prop_value(run, "AUTO_REMOTE").value_or(""));
    run.facts().assertz(fact("ij_automatic_remote_object", {p, atom(v)}));
  }
}

void record_webproc(Run& run) {
  if (!http_main_pgm(run)) return;
  const Term f = fact("is_webproc_i", {pgm(run)});
  if (!run.facts().exists(f)) run.facts().assertz(f);
}

void object_dependency_steps(Run& run) {
  reset_object_dependencies(run);
  record_table_dependencies(run);
  record_main_location(run);
  record_main_object(run);
  run.facts().retract(fact("is_webproc_i", {pgm(run)}));
  record_webproc(run);
}

}  // namespace qn::logic
