#include "logic/navigation/levels.h"

#include <string>
#include <vector>

#include "logic/core/dbms_caps.h"
#include "logic/core/host_interface.h"
#include "logic/core/levels.h"
#include "logic/core/lists.h"
#include "logic/core/messages.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/tokens.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/navigation/commit_points.h"
#include "logic/navigation/level_actions.h"
#include "logic/navigation/loop_conditions.h"
#include "logic/navigation/old_values.h"
#include "logic/navigation/program_props.h"
#include "logic/navigation/commit_points.h"
#include "logic/sql/sql_statements.h"
#include "logic/sql/stored_procs.h"
#include "logic/navigation/table_access.h"
#include "logic/program/expressions.h"
#include "logic/sql/cursors.h"
#include "logic/sql/joined_reads.h"
#include "logic/sql/level_join.h"
#include "logic/sql/optimised_commands.h"
#include "logic/sql/sql_statements.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/pending.h"
#include "logic/toolbox/rule_utilities.h"

namespace qn::logic {

using engine::Term;

namespace {

// The command code of a "when duplicate" command of an insert level.
constexpr int64_t kWhenDuplicate = 129;
// The command code of an optimised command.
constexpr int64_t kOptimizedCmd = 121;

int64_t model_number(const Run& run) {
  auto m = get_model_num(run);
  return m && m->is_int() ? m->as_int() : 0;
}

bool is_zero(const Term& t) { return t.is_int() && t.as_int() == 0; }

// The parent of a break level of kind nvg on the same base table.
std::optional<Term> same_table_break_parent(const Run& run, const Term& level, const Term& table) {
  auto b = run.facts().first(fact("break_i", {level, atom("nvg"), var(), var(), var()}));
  if (!b) return std::nullopt;
  const Term parent = b->arg(3);
  if (parent == level || level_base_table(run, parent) != table) return std::nullopt;
  return parent;
}

// A break sublevel of kind nvg on the same base table.
std::optional<Term> same_table_break_child(Run& run, const Term& level, const Term& table) {
  for (const Term& b : clauses_by_arg(run, "break_i", 5, 3, level)) {
    if (b.arg(2) == "nvg" && b.arg(1) != level && level_base_table(run, b.arg(1)) == table) {
      return b.arg(1);
    }
  }
  return std::nullopt;
}

// The command lines of a level, in order.
std::vector<Term> level_lines(Run& run, const Term& level) {
  return clauses_by_arg(run, "b_line_i", 6, 2, level);
}

// The first command line of the level.
std::optional<Term> first_cmd_line(Run& run, const Term& level) {
  for (const Term& l : level_lines(run, level)) {
    if (l.arg(4) == "cmd") return l;
  }
  return std::nullopt;
}

bool has_rule_action(const Run& run, std::string_view flag) {
  for (const Term& r : run.facts().clauses("rule_i", 2)) {
    const Term& body = r.arg(2);
    if (!body.is_compound() || body.functor() != "rule" || body.arity() < 1) continue;
    for (const Term& a : body.arg(1).list_items()) {
      if (a.is_compound() && a.functor() == "a" && a.arity() == 2 && a.arg(1).is_int() &&
          a.arg(1).as_int() == 13) {
        for (const Term& f : a.arg(2).list_items()) {
          if (f == flag) return true;
        }
      }
    }
  }
  return false;
}

// The inserted table and attributes of an insert level.
std::optional<std::pair<Term, Term>> inserted(const Run& run, const Term& level) {
  auto u = run.facts().first(fact("upd_i", {level, var(), atom("i"), var()}));
  if (!u) return std::nullopt;
  const auto parts = u->arg(4).list_items();
  return std::make_pair(u->arg(2), parts.empty() ? Term::nil() : parts[0]);
}

// The saved attributes of the level copied to their auxiliaries (to) or
// back (from).
bool move_saved_atts(Run& run, const Term& level, bool to_aux) {
  bool ok = true;
  for (const Term& att : level_element(run, level, 10).list_items()) {
    auto aux = get_att_var(run, att);
    if (!aux) continue;
    const Term aux_name = atom(*aux);
    if (to_aux) {
      ok = assign_var(run, aux_name, Term::list({fact("t", {att, num(kTokAttribute)})})) && ok;
    } else {
      ok = assign_var(run, att, Term::list({fact("t", {aux_name, num(kTokVariable)})})) && ok;
    }
  }
  return ok;
}

// The tables the level's SELECT joined (level_join/8), kept for the close.
struct Opening {
  Term table;
  Term atts = Term::nil();
  Term joined = Term::nil();
  bool navigates = false;
};

// The SELECT of a level join: the base table and the joined tables, the
// join keys as where items, the conditions, and the where items of the
// bottom level of the level's same-table chain.
bool gen_join_select(Run& run, const Term& level, const Term& table, const LevelJoin& j) {
  SelectRequest req;
  req.level = level;
  req.read_kind = "b";
  req.cardinality = text_of(j.cardinality);
  // A joined read that finds no row keeps the level's row: where outer
  // joins are natural for its table, the table is outer-joined.
  for (const Term& t : j.tables) {
    const Term joined = t.list_items().front();
    const Term entry = Term::list({joined});
    const bool outer = joined != table && outer_join_natural(run, joined);
    req.tables.push_back(outer ? fact("oj", {entry}) : entry);
  }
  for (const Term& jc : j.joins) {
    const auto e = jc.list_items();
    for (const Term& k : e.size() > 1 ? e[1].list_items() : std::vector<Term>{}) {
      const auto key = k.list_items();
      if (key.size() < 3) continue;
      const Term att = key[1].is_list() ? key[1].list_items().front() : key[1];
      req.where_items.push_back(fact("w", {e[0], key[2], str("="), fact("col", {key[0], att})}));
    }
  }
  for (const Term& w : level_where_items(run, table, bottom_nvg_level(run, level, table))) {
    req.where_items.push_back(w);
  }
  req.conds = j.conds;
  if (req.cardinality != "one") {
    for (const Term& o : level_element(run, level, 3).list_items()) {
      req.order.push_back(Term::list({table, o.is_int() && o.as_int() < 0
                                                 ? fact("-", {num(-o.as_int())})
                                                 : o}));
    }
  }
  Term own = Term::nil();
  if (auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}))) {
    own = subtract(s->arg(3), s->arg(4));
  }
  for (const Term& a : own.list_items()) req.columns.push_back(Term::list({table, a}));
  for (const Term& r : j.reads) {
    for (const Term& a : j.loaded) req.columns.push_back(Term::list({r.arg(4), a}));
  }
  return gen_sql_select(run, "b", req).has_value();
}

Opening open_navigation(Run& run, const Term& kind, const Term& level, const Term& atts) {
  declare_commit_var(run, level);
  Opening o;
  if (kind == "ins") {
    run.facts().asserta(fact("sql_level_i", {level}));
    auto ins = inserted(run, level);
    if (!ins) return o;
    o.table = ins->first;
    gen_table_object_new(run, o.table, "ins", "one", ins->second, level);
    const std::string name =
        tbl_short_name(run, o.table, model_number(run)).value_or(text_of(o.table));
    emit_comment_block(run, {{"INSERT RECORD ON TABLE", name}});
    Out(run).pieces({""});
    return o;
  }
  o.table = level_base_table(run, level);
  if (is_zero(o.table)) return o;
  o.navigates = true;
  Term ta = Term::nil();
  if (auto f = run.facts().first(fact("ta_i", {level, var()}))) ta = f->arg(2);
  std::vector<Term> joined_reads;
  std::optional<BreakJoin> bj;
  std::optional<LevelJoin> lj;
  // gen_sql_select pushes the level's SQL level itself.
  if (kind == "nvg" && (bj = break_join(run, level, o.table))) {
    gen_table_object_new(run, o.table, "nvg", "many", ta, level);
    joined_reads = bj->reads;
  } else if (kind == "nvg" && same_table_break_parent(run, level, o.table)) {
    gen_table_object_new(run, o.table, "brk", "many", atts, level);
  } else if ((kind == "nvg" || kind == "xfst" || kind == "scr") &&
             (lj = level_join(run, level, o.table))) {
    gen_join_select(run, level, o.table, *lj);
    joined_reads = lj->reads;
  } else {
    Term tw = Term::nil();
    if (auto f = run.facts().first(fact("tw_i", {level, var()}))) tw = f->arg(2);
    gen_level_select(run, atom("b"), o.table, level, Term::nil(), add_end_i_conds(run, level, tw),
                     level_element(run, level, 7), kind);
  }
  gen_nav_loop_cond(run, atom(kind == "xfst" ? "fst" : "many"), o.table, level, Term::nil());
  gen_brk_flag_set(run, level, o.table, "false");
  Term own = atts;
  if (auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}))) {
    own = subtract(s->arg(3), s->arg(4));
  }
  gen_lock_read(run, o.table, level, own);
  for (const Term& r : joined_reads) {
    Term loads = Term::nil();
    for (const Term& v : run.facts().findall(fact("v_i", {r.arg(3), atom("o"), r.arg(1), var()}))) {
      loads = append(loads, v.arg(4));
    }
    gen_lock_read(run, r.arg(4), level, loads);
  }
  if (bj) {
    for (const Term& out : bj->outputs) o.atts = union_(o.atts, out);
  }
  o.joined = Term::list(joined_reads);
  return o;
}

// The loop end of a navigation, or of an insert.
bool gen_loop_end(Run& run, const Term& kind, const Term& level, const Term& table) {
  Out out(run);
  if (kind == "ins") {
    emit_comment(run, {"End Insert"});
    return out.ok();
  }
  const bool one = level_start_one(run, level);
  if (!one && same_table_break_child(run, level, table)) {
    const std::string flag = brk_flag_var(run, level, table);
    out.pieces({"if (!" + flag + ")"}).open("{");
    out.pieces({flag, "=", "true;"});
    if (!out.ok()) return false;
    gen_skip(run, table, level);
    Out end(run);
    end.close("}");
    if (!end.ok()) return false;
    drop_sql_level(run, level);
    return Out(run).close("}").ok();
  }
  if (one) {
    emit_comment(run, {"Exiting from a For First loop."});
    // A first-record level opened with "if": there is no loop to leave.
    if (kind != "xfst") gen_loop_exit(run);
  } else {
    gen_brk_flag_set(run, level, table, "true");
    gen_skip(run, table, level);
  }
  drop_sql_level(run, level);
  return Out(run).close("}").ok();
}

// One "}" for every condition action of the level.
bool close_condition_blocks(Run& run, const Term& level) {
  Out out(run);
  for (const Term& a : clauses_by_arg(run, "a_i", 6, 2, level)) {
    if (a.arg(3) == "c") out.close("}");
  }
  return out.ok();
}

bool no_when_duplicate(Run& run, const Term& level) {
  for (const Term& l : level_lines(run, level)) {
    if (l.arg(4) == "cmd" && first_token_type(l.arg(6)) == kWhenDuplicate) return false;
  }
  return true;
}

}  // namespace

Term level_element(const Run& run, const Term& level, size_t n) {
  auto f = run.facts().first(fact("level_i", {level, var()}));
  if (!f || n == 0) return Term::nil();
  Term t = f->arg(2);
  for (size_t i = 1; i < n && t.is_cons(); ++i) t = t.tail();
  return t.is_cons() ? t.head() : Term::nil();
}

Term level_base_table(const Run& run, const Term& level) {
  auto f = run.facts().first(fact("level_i", {level, var()}));
  if (!f || !f->arg(2).is_cons()) return num(0);
  return f->arg(2).head();
}

std::vector<Term> clauses_by_arg(Run& run, const char* name, uint32_t arity, size_t pos,
                                 const Term& key) {
  auto& facts = run.facts();
  const std::string index = std::string("nav_by_arg_") + name + "_" + std::to_string(pos);
  const auto stamp = static_cast<int64_t>(facts.stamp(name, arity));
  const Term stamp_key = fact("nav_index_stamp_i", {atom(index), var()});
  auto st = facts.first(stamp_key);
  if (!st || !st->arg(2).is_int() || st->arg(2).as_int() != stamp) {
    facts.abolish(index, 2);
    for (const Term& c : facts.clauses(name, arity)) {
      if (c.arity() >= pos) facts.assertz(fact(index, {c.arg(pos), c}));
    }
    facts.retract_all(stamp_key);
    facts.assertz(fact("nav_index_stamp_i", {atom(index), num(stamp)}));
  }
  std::vector<Term> out;
  for (const Term& f : facts.findall(fact(index, {key, var()}))) out.push_back(f.arg(2));
  return out;
}

Term top_nvg_level(Run& run, const Term& level, const Term& table) {
  Term l = level;
  // A chain that names a level twice would never end.
  for (size_t guard = 0; guard < 10000; ++guard) {
    auto p = same_table_break_parent(run, l, table);
    if (!p) break;
    l = *p;
  }
  return l;
}

Term bottom_nvg_level(Run& run, const Term& level, const Term& table) {
  Term l = level;
  for (size_t guard = 0; guard < 10000; ++guard) {
    auto c = same_table_break_child(run, l, table);
    if (!c) break;
    l = *c;
  }
  return l;
}

std::string brk_flag_var(Run& run, const Term& level, const Term& table) {
  const std::string name = pgm_unique_name(run, "BRK", text_of(top_nvg_level(run, level, table)));
  declare_var(run, atom(name), Term::list({atom("boolean"), num(1), num(0), num(0)}), "s",
              Term::nil());
  return name;
}

bool level_in_chain(Run& run, const Term& level, const Term& table) {
  if (level_start_one(run, level)) return false;
  return !(top_nvg_level(run, level, table) == level &&
           bottom_nvg_level(run, level, table) == level);
}

bool gen_brk_flag_set(Run& run, const Term& level, const Term& table, std::string_view value) {
  if (!level_in_chain(run, level, table)) return true;
  return Out(run).pieces({brk_flag_var(run, level, table), "=", std::string(value) + ";"}).ok();
}

bool gen_loop_exit(Run& run) { return Out(run).pieces({"if (true) break;"}).ok(); }

bool gen_cancel_check(Run& run) {
  if (has_rule_action(run, "nocancel")) return true;
  // The texts a cancel prompt would use; nothing here asks.
  message_text_first("canques");
  message_text_first("canmsg");
  return emit_comment(run, {"Check if program is canceled."});
}

Term gen_level_body(Run& run, const Term& kind, const Term& level, const Term& atts,
                    const Term& c3, const Term& c4, const Term& c5) {
  step_progress(run);
  std::vector<Term> moves = old_value_moves(run, level, Term::nil());
  run.facts().abolish("h_saved_i", 1);
  const Opening o = open_navigation(run, kind, level, atts);
  // What the level's own reads saved at the top of the row is not saved
  // again after the actions, which may have changed the attribute since.
  std::erase_if(moves, [&](const Term& m) {
    const auto e = m.list_items();
    const Term aux = e.size() >= 3 && e[2].is_cons() ? e[2].head() : Term::nil();
    return aux.is_compound() && aux.arity() >= 1 && run.facts().exists(fact("h_saved_i", {aux.arg(1)}));
  });
  Term level_atts = atts;
  Term excluded = Term::nil();
  if (auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}))) {
    if (kind != "ins") level_atts = s->arg(3);
    excluded = s->arg(4);
  }
  level_atts = subtract(union_(level_atts, o.atts), excluded);
  // The moves are saved once the first pass has read what they keep.
  LevelActions actions{level, level_atts.list_items(), false, false, c3, Term::nil(), moves};
  gen_level_actions(run, actions);
  actions.pass = 2;
  gen_level_actions(run, actions);
  move_saved_atts(run, level, true);
  return level_atts;
}

bool gen_level_close(Run& run, const Term& kind, const Term& level, const Term& flag) {
  const int64_t model = model_number(run);
  const Term table = kind == "ins" ? (inserted(run, level) ? inserted(run, level)->first : num(0))
                                   : level_base_table(run, level);
  const bool navigates = kind != "ins" && !is_zero(table);
  bool ok = true;
  if (kind == "ins") {
    if (no_when_duplicate(run, level)) {
      const std::string msg = msg_text(run, atom("noupdate")).value_or("\"\"");
      ok = gen_insert_dup(run, table, level, "Err", "Errmsg", msg);
    }
    ok = ok && emit_else(run);
    ok = ok && Out(run).pieces({"Err", "=", "0;"}).pieces({"Errmsg", "=", "\"\";"}).ok();
    gen_level_updates(run, level, model, atom("u"));
    ok = ok && emit_close_brace(run);
    gen_upd_lock(run, table, level);
    move_saved_atts(run, level, false);
    ok = ok && gen_loop_end(run, kind, level, table);
    run.facts().retract_all(fact("sql_level_i", {level}));
    return ok;
  }
  if (kind == "xfst") {
    // The level opened with "if" (the loop of one record): it ends without
    // a loop exit, which Java allows only inside a loop.
    gen_level_updates(run, level, model, atom("u"));
    // The condition blocks opened inside the block of a locking re-read.
    ok = close_condition_blocks(run, level);
    if (navigates) gen_level_end(run, level, table);
    if (navigates) ok = ok && gen_loop_end(run, kind, level, table);
    level_sql_end(run, level, table);
    return ok;
  }
  gen_level_updates(run, level, model, atom("u"));
  move_saved_atts(run, level, false);
  // The condition blocks opened inside the block of a locking re-read.
  ok = close_condition_blocks(run, level);
  if (navigates) gen_level_end(run, level, table);
  gen_upd_lock(run, table, level);
  gen_level_commit(run, level, 1);
  gen_level_commit(run, level, 2);
  ok = ok && gen_cancel_check(run);
  if (navigates) ok = ok && gen_loop_end(run, kind, level, table);
  if (flag != "no") level_sql_end(run, level, table);
  return ok;
}

bool each_break_group(Run& run, const Term& level, const Term& c2, const Term& c3,
                      const Term& c4) {
  const Term sel = level_sel_atts(run, level);
  const bool commands = spec_kind_in(run, {"trn", "scr", "web", "mbr"});
  const bool print_too = spec_kind_in(run, {"web", "mbr"});
  bool ok = true;
  for (const Term& g : clauses_by_arg(run, "b_group_i", 6, 1, level)) {
    if (commands && gen_block_cmds(run, level, g.arg(2), g.arg(3), sel, c2, c3, c4)) continue;
    if (!commands || print_too) ok = gen_print_block(run, level, g.arg(2), g.arg(3), sel, c2, c3, c4) && ok;
  }
  // A procedure's or report's nested levels run inside this one, after its
  // groups: each break level under it, by its kind. The other objects'
  // generators place their levels themselves.
  if (!commands) {
    for (const Term& b : clauses_by_arg(run, "break_i", 5, 3, level)) {
      if (!(b.arg(1) == level)) ok = gen_level_kind(run, b.arg(2), b.arg(1), c2, c3, c4) && ok;
    }
  }
  return ok;
}

bool gen_level_kind(Run& run, const Term& kind, const Term& level, const Term& c3, const Term& c4,
                    const Term& c5) {
  if (kind == "nvg" || kind == "xnvg") {
    if (auto first = first_cmd_line(run, level);
        first && first_token_type(first->arg(6)) == kOptimizedCmd) {
      // The navigation's conditions: its start condition and end items.
      const Term table = level_base_table(run, level);
      // The level's where items are conditions of the statement too. One
      // whose value is an attribute takes it from an outer level's row,
      // which a single statement does not read: such a level keeps its loop.
      std::vector<Term> where;
      bool single = true;
      if (auto w = run.facts().first(fact("lwi_i", {level, var()}))) {
        for (const Term& item : w->arg(2).list_items()) {
          const auto t = item.list_items();
          const bool outer = t.size() == 3 && t[2].is_compound() && t[2].arity() >= 2 &&
                             t[2].arg(2) == num(kTokAttribute);
          if (t.size() != 3 || outer) single = false;
          where.push_back(fact("c", {item, Term::list({})}));
        }
      }
      const Term conds =
          add_end_i_conds(run, level, Term::list(start_conds(run, level, where).conds));
      Term tables = level_element(run, level, 2);
      if (!tables.is_cons()) tables = Term::list({table});
      const Term sel = level_sel_atts(run, level);
      const Term model = get_model_num(run).value_or(num(0));
      const int64_t line = first->arg(1).is_int() ? first->arg(1).as_int() : 0;
      if (single && optimized_cmd(run, conds, model, tables, line, level, sel)) return true;
    }
    gen_level_body(run, atom("nvg"), level, Term::nil(), c3, c4, c5);
    each_break_group(run, level, c3, c4, c5);
    return gen_level_close(run, atom("nvg"), level, atom("yes"));
  }
  if (kind == "xfst") {
    gen_level_body(run, kind, level, Term::nil(), c3, c4, c5);
    each_break_group(run, level, c3, c4, c5);
    return gen_level_close(run, kind, level, atom("yes"));
  }
  if (kind == "ins" || kind == "xins") {
    auto ins = inserted(run, level);
    if (!ins) return true;
    gen_level_body(run, atom("ins"), level, ins->second, c3, c4, c5);
    each_break_group(run, level, c3, c4, c5);
    return gen_level_close(run, atom("ins"), level, atom("yes"));
  }
  if (kind == "rpt") return each_break_group(run, level, c3, c4, c5);
  // page, and any kind this generator does not know: nothing.
  return true;
}

bool gen_level_load(Run& run, const Term&, const Term& level, const Term& c3, const Term& c4) {
  const Term table = level_base_table(run, level);
  if (is_zero(table)) return gen_user_event(run, atom("Load"), level);
  gen_level_body(run, atom("nvg"), level, Term::nil(), c3, c4, Term::nil());
  gen_user_event(run, atom("Load"), level);
  const bool bottom = bottom_nvg_level(run, level, table) == level;
  return gen_level_close(run, atom("nvg"), level, atom(bottom ? "yes" : "no"));
}

}  // namespace qn::logic
