#include "logic/sql/pseudo_checks.h"

#include <algorithm>

#include "logic/core/dbms_caps.h"
#include "logic/core/messages.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/hooks.h"
#include "logic/java/java_naming.h"
#include "logic/program/java_expr.h"
#include "logic/java/variables.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/msg_actions.h"
#include "logic/navigation/program_props.h"
#include "logic/navigation/table_access.h"
#include "logic/program/expressions.h"
#include "logic/sql/cursors.h"
#include "logic/sql/sql_statements.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

Term tok(const Term& value, int64_t kind) { return fact("t", {value, num(kind)}); }
Term tok(std::string_view text, int64_t kind) { return tok(atom(text), kind); }

bool in(const std::vector<Term>& l, const Term& x) { return std::find(l.begin(), l.end(), x) != l.end(); }

bool read_action(const Term& a) { return a.arg(3) == "t" || a.arg(3) == "r"; }

std::vector<Term> level_reads(Run& run, const Term& level) {
  std::vector<Term> out;
  for (const Term& a : clauses_by_arg(run, "a_i", 6, 2, level)) {
    if (read_action(a)) out.push_back(a);
  }
  return out;
}

// The attribute an entry of a level's selection names: itself, or the last
// of a [Table, Attribute] pair.
Term sel_att(const Term& x) { return x.is_cons() ? x.list_items().back() : x; }

int64_t action_number(const Term& a) { return a.arg(1).is_int() ? a.arg(1).as_int() : 0; }

Term decl_type(std::string_view type, int64_t length) {
  return Term::list({atom(type), num(length), num(0), num(0)});
}

// The seek pairs of a read: the level's keys for its own table, else the
// read's key list (first element of Info: [Table, Att, OtherAtt] ...).
Term read_seek(Run& run, const Term& level, const Term& action) {
  std::vector<Term> seek;
  if (action.arg(3) == "t" || action.arg(4) == level_base_table(run, level)) {
    for (const Term& k : level_element(run, level, 3).list_items())
      seek.push_back(Term::list({k, tok(k, kTokAttribute)}));
    return Term::list(seek);
  }
  const auto info = action.arg(6).list_items();
  for (const Term& k : info.empty() ? std::vector<Term>{} : info[0].list_items()) {
    const auto key = k.list_items();
    if (key.size() < 3) continue;
    const Term att = key[1].is_list() ? key[1].list_items().back() : key[1];
    seek.push_back(Term::list({key[2], tok(att, kTokAttribute)}));
  }
  return Term::list(seek);
}

int64_t model_of(Run& run) {
  auto m = get_model_num(run);
  return m && m->is_int() ? m->as_int() : 0;
}

// The value of a column of the row a read fetched: its data object's getter.
std::string column_java(Run& run, const Term& table, const Term& att) {
  const int64_t model = model_of(run);
  return table_obj(run, model, table).value_or("NoTblObjErr") + "." +
         attribute_getter_name(run, model, att).value_or("getNoAtt") + "()";
}

// "A differs from B" by the attribute's type.
std::string differs(Run& run, const Term& att, const std::string& a, const std::string& b) {
  const OptType t = var_type(run, att);
  const std::string type = t ? t->type : "";
  if (type == "char" || type == "vchar" || type == "svchar") return "QNutil.strcmp(" + a + ", " + b + ") != 0";
  if (type == "date" || type == "dtime") return "QNutil.datecmp(" + a + ", " + b + ") != 0";
  return a + " != " + b;
}

}  // namespace

bool seudo_applies(Run& run, const Term& level, const Term& table) {
  if (!spec_kind_in(run, {"trn"})) return false;
  // The option, asked for every read: read once an object (seudo_option_i/1).
  auto known = run.facts().first(fact("seudo_option_i", {var()}));
  if (!known) {
    run.facts().assertz(
        fact("seudo_option_i", {str(platform::upper_1252(pgm_prop_value(run, "PSEUDO_CHECK").value_or("")))}));
    known = run.facts().first(fact("seudo_option_i", {var()}));
  }
  const std::string opt = text_of(known->arg(1));
  if (opt.rfind("ALL", 0) == 0) {
    for (const Term& a : level_reads(run, level)) {
      if (a.arg(4) == table) return true;
    }
    return false;
  }
  if (opt.rfind("N", 0) == 0) return false;
  return run.facts().exists(fact("upd_i", {level, table, atom("u"), var()})) ||
         run.facts().exists(fact("upd_i", {level, table, atom("d"), var()}));
}

std::vector<Term> seudo_reads(Run& run, const Term& level) {
  std::vector<Term> out;
  for (const Term& a : level_reads(run, level)) {
    if (seudo_applies(run, level, a.arg(4))) out.push_back(a);
  }
  return out;
}

std::vector<Term> seudo_atts(Run& run, const Term& level, const Term& action) {
  std::vector<Term> selected;
  for (const Term& x : level_sel_atts(run, level).list_items()) selected.push_back(sel_att(x));
  const auto info = action.arg(6).list_items();
  std::vector<Term> named, pairs;
  if (info.size() > 2) {
    for (const Term& p : info[2].list_items()) {
      for (const Term& x : p.list_items()) named.push_back(x);
      if (p.is_cons()) pairs.push_back(p.head());
    }
  }
  std::vector<Term> out;
  for (const Term& v : run.facts().findall(fact("v_i", {action.arg(3), atom("o"), action.arg(1), var()}))) {
    for (const Term& a : v.arg(4).list_items()) {
      if (in(selected, a) && !in(named, a) && !in(out, a)) out.push_back(a);
    }
  }
  for (const Term& p : pairs) {
    if (!in(out, p)) out.push_back(p);
  }
  return out;
}

std::vector<Term> seudo_all_atts(Run& run, const Term& level) {
  std::vector<Term> out;
  for (const Term& a : seudo_reads(run, level)) {
    for (const Term& x : seudo_atts(run, level, a)) {
      if (!in(out, x)) out.push_back(x);
    }
  }
  return out;
}

std::optional<std::string> seudo_var(Run& run, const Term& att, const Term& context) {
  auto aux = gen_aux_name(run, att, context, kAuxPseudo);
  if (!aux) return std::nullopt;
  return *aux + text_of(aux_name_suffix(run, context));
}

std::string seudo_save_routine(Run& run, const Term& level) {
  return platform::lower_1252(pgm_unique_name(run, "ZM", text_of(level)));
}

bool each_seudo_level(Run& run, const Term& mode) {
  bool ok = true;
  for (const Term& l : run.facts().clauses("level_i", 2)) {
    const Term level = l.arg(1);
    for (const Term& a : seudo_reads(run, level)) {
      for (const Term& att : seudo_atts(run, level, a)) {
        auto v = seudo_var(run, att, num(0));
        if (!v) continue;
        if (mode == "noinit") {
          const OptType t = var_type(run, att);
          if (!t) continue;
          ok = declare_var_as(run, atom(*v), att, type_term(t), "s", Term::nil()) && ok;
        } else {
          ok = assign_unless_mode(run, atom(*v), Term::nil()) && ok;
        }
      }
    }
  }
  return ok;
}

bool seudo_longc_vars(Run& run, const Term& level) {
  const auto reads = seudo_reads(run, level);
  if (reads.empty()) return true;
  bool ok = declare_var(run, atom("Qn_longc"), decl_type("boolean", 1), "s", Term::nil()) &&
            declare_var(run, atom("QN_JID"), decl_type("int", 8), "s", Term::nil());
  ok = ok && begin_local_routine(run, atom(seudo_save_routine(run, level)), Term::nil(),
                                 {atom("QN_JID")});
  const Term base = level_base_table(run, level);
  for (const Term& a : reads) {
    const std::string n = std::to_string(action_number(a));
    const Term& table = a.arg(4);
    ok = ok && emit_if(run,
                       Term::list({tok("QN_JID", kTokVariable), tok("=", kTokCompare),
                                   tok(n, kTokConstant), tok(".OR.", kTokLogical),
                                   tok("QN_JID", kTokVariable), tok("=", kTokCompare),
                                   tok("0", kTokConstant)}),
                       {});
    const auto atts = seudo_atts(run, level, a);
    const auto from_row = [&] {
      Out out(run);
      for (const Term& att : atts) {
        if (auto v = seudo_var(run, att, num(0))) out.pieces({*v, "=", column_java(run, table, att), ";"});
      }
      return out.ok();
    };
    if (table == base) {
      ok = ok && emit_if(run,
                         Term::list({tok("Mode", kTokVariable), tok("<>", kTokCompare),
                                     tok("'INS'", kTokConstant)}),
                         {});
      ok = ok && from_row() && emit_else(run);
      for (const Term& att : atts) {
        if (auto v = seudo_var(run, att, num(0)))
          ok = ok && assign_var(run, atom(*v), Term::list({tok(att, kTokAttribute)}));
      }
      ok = ok && emit_close_brace(run);
    } else {
      ok = ok && from_row();
    }
    ok = ok && emit_close_brace(run);
  }
  return ok && end_routine(run, "0");
}

bool seudo_save_call(Run& run, const Term& level, int64_t action, bool flag) {
  const auto reads = seudo_reads(run, level);
  const std::string routine = seudo_save_routine(run, level);
  if (action == 0) {
    if (reads.empty()) return true;
    return gen_call_stmt(run, routine, Term::list({tok("0", kTokConstant)}));
  }
  if (!flag) return true;
  for (const Term& a : reads) {
    if (action_number(a) == action)
      return gen_call_stmt(run, routine, Term::list({tok(std::to_string(action), kTokConstant)}));
  }
  return true;
}

std::string seudo_read_kind(Run& run, const Term& level, const Term& table) {
  return seudo_applies(run, level, table) && dbms_for_update(run, table) ? "ro" : "n1";
}

bool seudo_read(Run& run, const Term& level, const Term& table, const Term& selected,
                const Term& assigns, int64_t action, bool flag) {
  const bool ok = gen_level_read(run, atom(seudo_read_kind(run, level, table)), table, selected, level,
                                 assigns, Term::nil(), Term::nil());
  if (seudo_applies(run, level, table)) return ok && seudo_save_call(run, level, action, flag);
  return ok;
}

bool seudo_read_y(Run& run, const Term& level, const Term& table, const Term& selected,
                  const Term& assigns, int64_t action) {
  return seudo_read(run, level, table, selected, assigns, action, true);
}

bool seudo_changed_read(Run& run, const Term& level, const Term& action, const Term& loads) {
  const Term& table = action.arg(4);
  bool ok = seudo_read_y(run, level, table, loads, read_seek(run, level, action), action_number(action));
  ok = ok && Out(run).pieces({"if (" + cursor_info(run, table, level) + ".eof())"}).open("{").ok();
  MsgAction msg;
  msg.kind = 1;
  msg.message = str(msg_text(run, atom("inex"), {str(tbl_name_text(run, table))}).value_or("\"\""));
  msg.level = level;
  ok = ok && gen_msg_action(run, msg) && emit_close_brace(run);
  return ok && end_cursor(run, level, cursor_info(run, table, level));
}

std::vector<std::string> seudo_if_change(Run& run, const std::vector<Term>& atts, const Term& table) {
  std::vector<std::string> out;
  for (const Term& att : atts) {
    run.facts().abolish("current_aid_i", 1);
    run.facts().assertz(fact("current_aid_i", {att}));
    auto v = seudo_var(run, att, num(0));
    if (!v) continue;
    out.push_back(differs(run, att, column_java(run, table, att), *v));
  }
  return out;
}

bool seudo_check(Run& run, const Term& level) {
  const auto reads = seudo_reads(run, level);
  if (reads.empty()) return true;
  bool ok = declare_var(run, atom("Qn_longc"), decl_type("boolean", 1), "s", Term::nil());
  int64_t model = 0;
  if (auto m = get_model_num(run); m && m->is_int()) model = m->as_int();
  const Term base = level_base_table(run, level);
  for (const Term& a : reads) {
    const Term& table = a.arg(4);
    const auto atts = seudo_atts(run, level, a);
    const bool mode_test = table == base;
    if (mode_test) {
      ok = ok && emit_if(run,
                         Term::list({tok("Mode", kTokVariable), tok("<>", kTokCompare),
                                     tok("'INS'", kTokConstant)}),
                         {});
    }
    run.facts().abolish("current_st_i", 1);
    run.facts().assertz(fact("current_st_i", {table}));
    // The re-read, read-only; a table the level updates is read with its
    // lock flags.
    const Term lock = run.facts().exists(fact("upd_i", {level, table, var(), var()}))
                          ? Term::list({num(1), str(tbl_short_name(run, table, model).value_or("")), num(2)})
                          : Term::nil();
    // A read without pseudo attributes still tests that its row is there:
    // it selects the columns of its keys (a SELECT needs one).
    const Term seek = read_seek(run, level, a);
    std::vector<Term> cols = atts;
    if (cols.empty()) {
      for (const Term& p : seek.list_items()) cols.push_back(p.head());
    }
    ok = ok && gen_level_read(run, atom("n1"), table, Term::list(cols), level, seek, lock, Term::nil());
    const std::string cursor = cursor_info(run, table, level);
    ok = ok && assign_var(run, atom("Qn_longc"), Term::list({tok("false", kTokConstant)}));
    const auto comps = seudo_if_change(run, atts, table);
    // Five comparisons a block; the first block also tests the end of data.
    size_t at = 0;
    bool first = true;
    for (;;) {
      std::string cond = first ? cursor + ".eof()" : "Qn_longc";
      const size_t end = std::min(comps.size(), at + 5);
      for (; at < end; ++at) cond += " || " + comps[at];
      ok = ok && Out(run).pieces({"if (" + cond + ")"}).open("{").ok();
      first = false;
      if (at >= comps.size()) break;
      ok = ok && assign_var(run, atom("Qn_longc"), Term::list({tok("true", kTokConstant)})) &&
           emit_close_brace(run);
    }
    run.facts().abolish("current_st_i", 1);
    run.facts().abolish("current_aid_i", 1);
    MsgAction msg;
    msg.kind = 1;
    msg.message = str(msg_text(run, atom("waschg"), {str(tbl_short_name(run, table, model).value_or(""))})
                          .value_or("\"\""));
    msg.level = level;
    ok = ok && gen_msg_action(run, msg) && emit_close_brace(run);
    // The re-read's cursor is ended where it was opened.
    ok = ok && end_cursor(run, level, cursor);
    if (mode_test) ok = ok && emit_close_brace(run);
  }
  return ok;
}

bool seudo_end_cursors(Run& run, const Term& level) {
  bool ok = true;
  std::vector<Term> done;
  for (const Term& a : seudo_reads(run, level)) {
    if (in(done, a.arg(4))) continue;
    done.push_back(a.arg(4));
    ok = end_cursor(run, level, cursor_info(run, a.arg(4), level)) && ok;
  }
  return ok;
}

}  // namespace qn::logic
