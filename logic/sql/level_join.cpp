#include "logic/navigation/levels.h"
#include "logic/sql/level_join.h"

#include "logic/core/dbms_caps.h"
#include "logic/core/gen_targets.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/program/expressions.h"
#include "logic/sql/select_text.h"

namespace qn::logic {

using engine::Term;

namespace {

std::optional<Term> current_kind(Run& run) {
  auto f = run.facts().first(fact("spec_i", {var()}));
  if (!f || !f->arg(1).is_cons()) return std::nullopt;
  return f->arg(1).head();
}

std::optional<Term> base_table(Run& run, const Term& level) {
  auto f = run.facts().first(fact("level_i", {level, var()}));
  if (!f || !f->arg(2).is_cons()) return std::nullopt;
  return f->arg(2).head();
}

bool has_nvg_break(Run& run, const Term& level) {
  return run.facts().exists(fact("break_i", {level, atom("nvg"), var(), var(), var()}));
}

}  // namespace

bool is_main_pgm(Run& run) {
  return run.facts().exists(fact("rule_i", {num(0), fact("prop", {atom("PGMTYPE"), atom("main")})}));
}

std::optional<Term> pgm_stub(Run& run) {
  auto f = run.facts().first(fact("rule_i", {num(0), fact("stub", {var()})}));
  if (!f) return std::nullopt;
  return f->arg(2).arg(1);
}

bool web_or_http_main(Run& run) {
  auto k = current_kind(run);
  return (k && *k == "web") || http_main_pgm(run);
}

bool web_http_or_mbr(Run& run) {
  if (web_or_http_main(run)) return true;
  auto k = current_kind(run);
  return k && *k == "mbr";
}

bool is_web_classid(int64_t class_id) {
  for (const char* kind : {"trn", "proc", "rpt", "mnu", "scr", "web", "ext", "mbr"}) {
    if (obj_classid(kind) == class_id && kind_letter(kind) == "H") return true;
  }
  return false;
}

StartConds start_conds(Run& run, const Term& level, const std::vector<Term>& conds) {
  StartConds out{conds, atom("many")};
  auto f = run.facts().first(fact("start_i", {level, num(0), num(0), var()}));
  if (!f || !f->arg(4).is_cons()) return out;
  std::vector<Term> data = f->arg(4).list_items();
  if (data.size() < 2 || !data[0].is_list()) return out;
  std::vector<Term> tokens;
  for (const Term& item : data[0].list_items()) {
    auto it = item.is_list() ? item.list_items() : std::vector<Term>{};
    if (it.size() < 4) continue;  // a malformed item is left out
    Term att = it[0];
    if (att.is_int() && att.as_int() < 0) att = num(-att.as_int());
    const Term type = it[1].is_int() && it[1].as_int() == 2 ? num(kTokVariable) : it[1];
    if (!tokens.empty()) tokens.push_back(fact("t", {atom(".AND."), num(kTokLogical)}));
    tokens.push_back(fact("t", {att, num(kTokAttribute)}));
    tokens.push_back(fact("t", {it[3], num(kTokCompare)}));
    tokens.push_back(fact("t", {it[2], type}));
  }
  out.conds.insert(out.conds.begin(), fact("c", {Term::list(tokens), Term()}));
  out.cardinality = data[1];
  return out;
}

bool updated_at_level(Run& run, const Term& level, const Term& table) {
  Term lv = level;
  for (int guard = 0; guard < 1000; ++guard) {
    for (const char* op : {"u", "d"}) {
      if (run.facts().exists(fact("upd_i", {lv, table, atom(op), var()}))) return true;
    }
    auto base = base_table(run, lv);
    if (!base) return false;
    std::optional<Term> next;
    for (const Term& s : clauses_by_arg(run, "struct_i", 4, 2, lv)) {
      if (base_table(run, s.arg(1)) == base) {
        next = s.arg(1);
        break;
      }
    }
    if (!next) return false;
    lv = *next;
  }
  return false;
}

bool join_allowed(Run& run, const Term& level, const Term& table) {
  if (pgm_prop_is(run, "DBMS_JOINS", "N")) return false;
  return join_lock_ok(run, level, table);
}

bool join_lock_ok(Run& run, const Term& level, const Term& table) {
  if (model_driver(run) == "qeoracle7") return true;
  const bool updated = updated_at_level(run, level, table);
  if (table_dbms(run, table) == "sqlserver" && updated) return !outer_join_natural(run, table);
  if (!dbms_for_update(run, table)) return true;
  return !updated;
}

bool level_start_one(Run& run, const Term& level, const Term& table) {
  Term lv = level;
  for (int guard = 0; guard < 1000; ++guard) {
    if (auto f = run.facts().first(fact("start_i", {lv, num(0), num(0), var()}))) {
      auto data = f->arg(4).is_list() ? f->arg(4).list_items() : std::vector<Term>{};
      if (data.size() > 1 && data[1] == "one") return true;
    }
    auto s = run.facts().first(fact("struct_i", {lv, var(), var(), var()}));
    if (!s || base_table(run, s->arg(2)) != table) return false;
    lv = s->arg(2);
  }
  return false;
}

bool gen_brk_flag_set(Run& run, const Term& level, const Term& table, const Term& value) {
  if (level_start_one(run, level, table)) return true;
  if (bottom_nvg_level(run, level, table) == level && top_nvg_level(run, level, table) == level) return true;
  assign_var(run, atom(brk_flag_var(run, level, table)), value);
  return true;
}

}  // namespace qn::logic
