#include "logic/navigation/commands.h"

#include <string>
#include <vector>

#include "logic/core/host_interface.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/tokens.h"
#include "logic/core/utilities.h"
#include "logic/java/variables.h"
#include "logic/javaui/control_props.h"
#include "logic/javaui/subfile_classes.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/loop_conditions.h"
#include "logic/navigation/later_rounds.h"
#include "logic/navigation/program_props.h"
#include "logic/navigation/commit_points.h"
#include "logic/navigation/level_actions.h"
#include "logic/navigation/commit_points.h"
#include "logic/sql/sql_statements.h"
#include "logic/sql/stored_procs.h"
#include "logic/java/commands.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/program/pgm_calls.h"
#include "platform/cp1252.h"
#include "logic/navigation/table_access.h"
#include "logic/program/expressions.h"
#include "logic/sql/error_context.h"
#include "logic/sql/level_join.h"
#include "logic/sql/sql_statements.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/pending.h"
#include "logic/toolbox/print_blocks.h"
#include "logic/toolbox/rule_utilities.h"

namespace qn::logic {

using engine::Term;

namespace {

// One command line: its tokens without positions, the first (the
// command's) apart, and the caller's contexts.
struct Line {
  Term raw;     // as the command line holds them, positions included
  Term tokens;  // all of them
  Term args;    // after the first
  const Term& c2;
  const Term& c3;
  const Term& level;
  const Term& c5;
};

int64_t tok_kind(const Term& t) {
  return t.is_compound() && t.arity() >= 2 && t.arg(2).is_int() ? t.arg(2).as_int() : -1;
}
std::string tok_text(const Term& t) {
  return t.is_compound() && t.arity() >= 1 ? text_of(t.arg(1)) : text_of(t);
}
Term arg_at(const Line& l, size_t n) {
  const auto a = l.args.list_items();
  return n < a.size() ? a[n] : Term::nil();
}

// The link variable of web panels, HTTP main programs and menu bars.
bool set_link_var(Run& run, const Term& value) {
  const Term wj = atom("wjLoc");
  declare_var(run, wj, Term::list({atom("char"), num(2048), num(0), num(0)}), "s", Term::nil());
  return assign_var(run, wj, value);
}

bool cmd_nothing(Run&, const Line&) { return true; }

bool cmd_call(Run& run, const Line& l) {
  const Term first = arg_at(l, 0);
  if (tok_kind(first) == kTokLink &&
      (spec_kind_in(run, {"web", "mbr"}) || web_or_http_main(run))) {
    return set_link_var(run, Term::list({first}));
  }
  return gen_call(run, l.tokens, l.level, l.c2, l.c3, l.c5, Term::nil());
}

bool cmd_assign(Run& run, const Line& l) {
  const auto a = l.args.list_items();
  if (a.empty()) return true;
  const Term& target = a[0];
  // A control method's token holds the method's own tokens.
  if (tok_kind(target) == kTokCtrlMethod) {
    return gen_ctl_method_stmt(run, target.arg(1).is_cons() ? target.arg(1) : l.args, {l.c2, l.c3});
  }
  if (tok_kind(target) == kTokNested && target.arg(1).is_list() && a.size() > 2) {
    // A control's property: set through the property writer's reference
    // (a program variable in web panels, a setter elsewhere); the nested
    // token itself is no Java name.
    const auto parts = target.arg(1).list_items();
    if (parts.size() < 2) return true;
    auto ref = gen_ctl_property(run, parts[0], parts[1], "set", l.c2);
    if (!ref) return true;
    return gen_assign_value(run, ref->type, Term::list(std::vector<Term>(a.begin() + 2, a.end())),
                            target, join_pieces(ref->pieces), {l.c2, l.c3}, kTokNested);
  }
  const std::string name = tok_text(target);
  if (name == "Qnfont" || name == "&Qnfont") return true;
  // Target "=" Value; the target may be an array element with subscripts.
  size_t eq = 1;
  int depth = tok_kind(target) == kTokVariable && var_dim(run, target.arg(1)) ? 1 : 0;
  const bool whole = a.size() > 1 && tok_kind(a[1]) == kTokCompare && tok_text(a[1]) == "=";
  for (; !whole && eq < a.size(); ++eq) {
    const int64_t k = tok_kind(a[eq]);
    if (k == kTokOpen || k == kTokFunction) ++depth;
    if (k == kTokVariable && var_dim(run, a[eq].arg(1))) ++depth;  // its subscripts follow
    if (k == kTokClose) --depth;
    if (depth <= 0 && k == kTokCompare && tok_text(a[eq]) == "=") break;
  }
  if (eq + 1 >= a.size()) return true;
  const Term value_list = Term::list(std::vector<Term>(a.begin() + eq + 1, a.end()));
  if (eq > 1) {
    // An element: its reference as the translator writes it.
    auto ref = exp_to_java(run, Term::list(std::vector<Term>(a.begin(), a.begin() + eq)),
                           {l.c2, l.c3});
    if (!ref) return true;
    return assign_var_ref(run, target.arg(1), join_pieces(ref->pieces), value_list,
                          {l.c2, l.c3});
  }
  if (tok_kind(target) == kTokVariable) {
    if (auto dims = var_dim(run, target.arg(1))) {
      const auto n = array_dims(*dims);
      if (!n.empty()) return gen_array_loop(run, target.arg(1), n, value_list);
    }
  }
  return gen_assign_stmt(run, target.arg(1), num(0), l.c2,
                         Term::list({Term::list({value_list, Term::nil()})}), l.c3, l.level, l.c5,
                         Term::nil());
}

bool cmd_if(Run& run, const Line& l) { return emit_if(run, l.args, {l.c2, l.c3}); }
bool cmd_else(Run& run, const Line&) { return emit_else(run); }
bool cmd_close(Run& run, const Line&) { return emit_close_brace(run); }
bool cmd_while(Run& run, const Line& l) { return emit_while(run, l.args, {l.c2, l.c3}); }

// A RETURN that is the program's last command line, or that a subroutine
// definition follows at once, needs no code: the routine ends there. A line
// that cannot be found is not last.
bool return_is_last(Run& run, const Line& l) {
  // The line being written when its writer says which (two RETURN lines
  // hold the same tokens), else the first line of these tokens.
  std::optional<Term> self;
  if (auto at = run.facts().first(fact("cmd_line_at_i", {var()}))) {
    self = run.facts().first(fact("b_line_i", {at->arg(1), var(), var(), atom("cmd"), var(), l.raw}));
  }
  if (!self) self = run.facts().first(fact("b_line_i", {var(), var(), var(), atom("cmd"), var(), l.raw}));
  if (!self || !self->arg(1).is_int()) return false;
  const int64_t at = self->arg(1).as_int();
  std::optional<Term> next;
  for (const Term& b : run.facts().clauses("b_line_i", 6)) {
    if (b.arg(4) != "cmd" || !b.arg(1).is_int() || b.arg(1).as_int() <= at) continue;
    if (!next || b.arg(1).as_int() < next->arg(1).as_int()) next = b;
  }
  return !next || first_token_type(drop_tok_positions(next->arg(6))) == kCmdSubStart;
}

bool cmd_return(Run& run, const Line& l) {
  const Term v = atom("nUserReturn");
  declare_var(run, v, Term::list({atom("int"), num(1), num(0), num(0)}), "s", Term::nil());
  if (!Out(run).pieces({"nUserReturn", "=", "1;"}).ok()) return false;
  return gen_return_cmd(run, return_is_last(run, l));
}

bool cmd_commit(Run& run, const Line& l) { return gen_commit_cmd(run, l.level, 1); }
bool cmd_rollback(Run& run, const Line& l) { return gen_commit_cmd(run, l.level, 2); }

bool cmd_exit_for(Run& run, const Line& l) {
  emit_comment(run, {"Exit For each command. Update data (if necessary), close cursors & exit."});
  auto m = get_model_num(run);
  gen_level_updates(run, l.level, m && m->is_int() ? m->as_int() : 0, atom("u"));
  return gen_loop_exit(run);
}
bool cmd_exit_loop(Run& run, const Line&) { return gen_loop_exit(run); }

bool cmd_msg(Run& run, const Line& l) {
  // msg( Text , Status ): with a second argument the text goes to the
  // status bar. The text ends at msg('s own ")" or at the comma.
  std::vector<Term> text;
  bool second = false;
  int depth = 0;
  for (const Term& t : l.args.list_items()) {
    const int64_t k = tok_kind(t);
    if (depth == 0 && (k == kTokComma || k == kTokClose)) {
      second = k == kTokComma;
      break;
    }
    if (k == kTokOpen || k == kTokFunction) ++depth;
    if (k == kTokClose) --depth;
    text.push_back(t);
  }
  auto java = exp_to_java(run, Term::list(text), {l.c2, l.c3});
  if (second) {
    return gen_status_cmd(run, java ? std::optional(join_pieces(java->pieces)) : std::nullopt);
  }
  if (!java) return false;
  return gen_msg_stmt(run, join_pieces(java->pieces));
}

// The method of a user subroutine (by its name) or event (by the tokens
// that name it).
std::string routine_method(Run& run, const Line& l, bool event) {
  if (event) return proc_id_name(run, l.args);
  const Term first = arg_at(l, 0);
  return proc_id_name(run, first.is_nil() ? atom("") : first.arg(1));
}

std::string bare_name(const Term& t) {
  std::string bare = text_of(t);
  if (bare.size() >= 2 && (bare.front() == '\'' || bare.front() == '"') && bare.back() == bare.front())
    bare = bare.substr(1, bare.size() - 2);
  return bare;
}

// The events the runtime calls by name get a method "QN" + event that runs
// the user's event: Enter and Exit of a transaction; Start, Exit and Enter
// of other objects. Enter is public.
bool qn_event_method(Run& run, const Term& event, const Term& level) {
  const std::string bare = bare_name(event);
  const std::string key = platform::upper_1252(bare);
  const bool trn = spec_kind_in(run, {"trn"});
  if (!(key == "ENTER" || key == "EXIT" || (key == "START" && !trn))) return true;
  const std::string modifier = key == "ENTER" ? "public" : "protected";
  if (!Out(run).pieces({modifier + " void QN" + bare + "()"}).open("{").ok()) return false;
  gen_user_event(run, atom(bare), level);
  return end_routine(run, "0");
}

// A later generator's part, asked of the run's stand-in; none: it fails.
bool ask_later(Run& run, const char* name, std::vector<Term> args) {
  const Run::HostStandIn* s = run.host_stand_in(name, static_cast<uint32_t>(args.size()));
  return s && (*s)(run, args);
}

// has_print_lines/0, kept while the object's lines stay as they are: each
// subroutine and event start asks it, and a scan of every line at each made
// a program of many subroutines quadratic.
bool prints(Run& run) {
  auto& facts = run.facts();
  const auto stamp = static_cast<int64_t>(facts.stamp("b_line_i", 6));
  if (auto c = facts.first(fact("print_lines_at_i", {num(stamp), var()}))) return c->arg(2) == "yes";
  const bool yes = has_print_lines(run);
  facts.abolish("print_lines_at_i", 2);
  facts.assertz(fact("print_lines_at_i", {num(stamp), atom(yes ? "yes" : "no")}));
  return yes;
}

bool method_header(Run& run, const std::string& header) {
  return Out(run).pieces({header}).open("{").ok();
}

// A procedure's or report's subroutine is being written: its tables get
// data objects of their own (in_sub_i/1 gives their names its key), and
// the variables it prints, itself or through the blocks it calls
// (parmevents_i/2 of the object's block analysis), are declared.
void enter_sub(Run& run, const Term& name) {
  auto& facts = run.facts();
  const Term key = atom(print_block_key(name));
  facts.abolish("in_sub_i", 1);
  facts.assertz(fact("in_sub_i", {key}));
  auto printed = facts.first(fact("parmevents_i", {key, var()}));
  if (!printed) return;
  const auto parts = printed->arg(2).list_items();
  if (parts.empty()) return;
  for (const Term& v : parts[0].list_items()) var_target_ref(run, v, Term::nil(), "s");
}

// The method header of a user subroutine: a procedure that prints may be
// interrupted while it runs.
bool sub_start(Run& run, const Line& l, bool event) {
  const Term name = arg_at(l, 0).is_nil() ? atom("") : arg_at(l, 0).arg(1);
  run.facts().assertz(fact("in_usr_proc_i", {name}));
  step_progress(run);
  const std::string method = routine_method(run, l, event);
  bool ok = event ? gen_load_event(run, name, l.level, method)
                  : method_header(run, "protected void " + method + "()" +
                                           (prints(run)
                                                ? " throws ProcessInterruptedException"
                                                : ""));
  if (!ok) return false;
  if (!event && spec_kind_in(run, {"proc", "rpt"})) enter_sub(run, name);
  // A nested name (a menu bar's Menubar.Item) is shown as it is written.
  std::string title;
  if (name.is_cons()) {
    for (const Term& t : name.list_items()) title += (title.empty() ? "" : ".") + tok_text(t);
  } else {
    title = text_of(name);
  }
  return emit_comment(run, {title + "Routine"});
}
// The event of an event line's name: "Click" of a control's
// [t(Control, K), t(Click, _)], else the name itself; upper-cased, without
// blanks ("AFTERTRN").
std::string event_key(const Term& name) {
  std::string word;
  if (name.is_cons()) {
    const auto parts = name.list_items();
    word = parts.size() > 1 ? tok_text(parts[1]) : "";
  } else {
    word = bare_name(name);
  }
  std::string key;
  for (char c : platform::upper_1252(word)) {
    if (c != ' ') key += c;
  }
  return key;
}

// Only forms (work panels and transactions) move the current subfile line
// and the controls into the variables around an event.
bool form_context(const Run& run) { return spec_kind_in(run, {"scr", "trn"}); }

// The event's start: the Start event reads the controls, every other event
// but After Trn the current subfile lines as well.
bool event_context_start(Run& run, const Term& name) {
  run.facts().abolish("event_cmd_i", 1);
  if (!form_context(run)) return true;
  const std::string key = event_key(name);
  if (key == "AFTERTRN") return true;
  return Out(run).pieces({key == "START" ? "eventNoLevelContext();" : "eventLevelContext();"}).ok();
}

// A control's Isvalid outside a subfile: the control is no subfile column.
bool isvalid_outside_subfile(Run& run, const Term& name) {
  if (!name.is_cons() || event_key(name) != "ISVALID") return false;
  const std::string ctl = tok_text(name.head());
  for (const Term& f : run.facts().clauses("lit_i", 4)) {
    const Term& it = f.arg(3);
    if (it.is_compound() && it.functor() == "s" && it.arity() == 2 &&
        tok_text(it.arg(1)) == ctl) {
      return false;
    }
  }
  return true;
}

// The event's end: an event that changed variables writes them back to the
// current subfile lines, unless it reloads or walks its subfile (refresh,
// for each line, sort() or is one whose lines are not kept (Refresh, Load,
// Start, After Trn, Exit, a control's Isvalid outside a subfile).
bool event_context_end(Run& run, const Term& name) {
  auto& facts = run.facts();
  const bool assigns = facts.exists(fact("event_cmd_i", {atom("assign")}));
  const bool reloads = facts.exists(fact("event_cmd_i", {atom("reload")}));
  facts.abolish("event_cmd_i", 1);
  if (!form_context(run) || !assigns || reloads) return true;
  const std::string key = event_key(name);
  for (const char* no : {"REFRESH", "LOAD", "START", "AFTERTRN", "EXIT"}) {
    if (key == no) return true;
  }
  if (isvalid_outside_subfile(run, name)) return true;
  return Out(run).pieces({"eventLevelResetContext();"}).ok();
}

bool cmd_event_start(Run& run, const Line& l) {
  const Term name = arg_at(l, 0).is_nil() ? atom("") : arg_at(l, 0).arg(1);
  return sub_start(run, l, true) && event_context_start(run, name);
}
bool cmd_sub_start(Run& run, const Line& l) { return sub_start(run, l, false); }
bool sub_end(Run& run) {
  const bool ok = end_routine(run, "0");
  run.facts().abolish("in_usr_proc_i", 1);
  run.facts().abolish("in_sub_i", 1);
  return ok;
}
bool cmd_event_end(Run& run, const Line& l) {
  auto& facts = run.facts();
  bool ok = true;
  if (auto in = facts.first(fact("in_usr_proc_i", {var()}))) ok = event_context_end(run, in->arg(1));
  facts.abolish("in_usr_proc_i", 1);
  return gen_event_end(run, l.level) && ok;
}
bool cmd_sub_end(Run& run, const Line&) { return sub_end(run); }
bool cmd_do_sub(Run& run, const Line& l) {
  // A subroutine the program defines (a start line naming it), else an
  // event.
  const Term first = arg_at(l, 0);
  const std::string name = platform::lower_1252(first.is_nil() ? "" : tok_text(first));
  // The object's subroutine names (user_sub_i/1, lower-cased) are read from
  // its lines once, at its first DO: a scan per DO made a program of many
  // calls quadratic. They go with the object's other facts.
  auto& facts = run.facts();
  if (!facts.exists(fact("user_subs_read_i", {atom("yes")}))) {
    facts.assertz(fact("user_subs_read_i", {atom("yes")}));
    for (const Term& b : facts.clauses("b_line_i", 6)) {
      if (b.arg(4) != "cmd" || first_token_type(b.arg(6)) != kCmdSubStart) continue;
      const Term toks = drop_tok_positions(b.arg(6));
      if (!toks.tail().is_cons()) continue;
      const Term sub = str(platform::lower_1252(tok_text(toks.tail().head())));
      if (!facts.exists(fact("user_sub_i", {sub}))) facts.assertz(fact("user_sub_i", {sub}));
    }
  }
  const bool sub = facts.exists(fact("user_sub_i", {str(name)}));
  return gen_do_sub(run, routine_method(run, l, !sub), sub);
}
bool cmd_confirm(Run& run, const Line& l) { return gen_confirm_stmt(run, l.tokens, l.level); }
bool cmd_do_case(Run& run, const Line&) { return do_case_begin(run); }
bool cmd_case(Run& run, const Line& l) { return do_case_case(run, l.args, {l.c2, l.c3}); }
bool cmd_otherwise(Run& run, const Line&) { return do_case_otherwise(run); }
bool cmd_end_case(Run& run, const Line&) { return do_case_end(run); }
bool cmd_call_pgm(Run& run, const Line& l) {
  return gen_call(run, l.tokens, l.level, l.c2, l.c3, l.c5, Term::nil());
}
bool cmd_error_handler(Run& run, const Line& l) {
  return errh_routine(run, l.c2, str(errh_cmd_name(l.tokens)));
}
bool cmd_call_other(Run& run, const Line& l) {
  std::vector<Term> texts;
  for (const Term& t : l.args.list_items()) {
    if (tok_kind(t) != kTokComma && tok_kind(t) != kTokOpen && tok_kind(t) != kTokClose) {
      texts.push_back(str(tok_text(t)));
    }
  }
  while (texts.size() < 3) texts.push_back(str(""));
  return call_pgm_by_generator(run, texts[0], texts[1], texts[2], l.level, l.c2, l.c3, l.c5);
}
bool cmd_user_code(Run& run, const Line& l) {
  emit_comment(run, {"User Code"});
  Out out(run);
  out.pieces({"/* [! */"});
  for (const Term& t : l.args.list_items()) {
    // The user's text as written, line by line.
    const std::string text = tok_text(t);
    size_t from = 0;
    for (size_t nl; (nl = text.find('\n', from)) != std::string::npos; from = nl + 1) {
      out.pieces({text.substr(from, nl - from)});
    }
    out.pieces({text.substr(from)});
  }
  out.pieces({"/* !] */"});
  return out.ok();
}
bool cmd_user_sql(Run& run, const Line& l) {
  emit_comment(run, {"User SQL Command."});
  const Term first = arg_at(l, 0);
  return gen_exec_immediate(run, first.is_nil() ? "" : text_of(first.arg(1)), "", "y");
}
bool cmd_link(Run& run, const Line& l) { return set_link_var(run, l.args); }

using CmdFn = bool (*)(Run&, const Line&);
struct CmdRow {
  int64_t code;
  CmdFn fn;
};
constexpr CmdRow kCommands[] = {
    {kCmdCall, cmd_call},
    {105, cmd_nothing},
    {106, cmd_nothing},
    {kCmdAssign, cmd_assign},
    {kCmdIf, cmd_if},
    {kCmdElse, cmd_else},
    {kCmdEndIf, cmd_close},
    {kCmdWhile, cmd_while},
    {kCmdEndDo, cmd_close},
    {kCmdReturn, cmd_return},
    {kCmdCommit, cmd_commit},
    {kCmdExitFor, cmd_exit_for},
    {kCmdExitLoop, cmd_exit_loop},
    {kCmdMsg, cmd_msg},
    {kCmdEventStart, cmd_event_start},
    {kCmdEventEnd, cmd_event_end},
    {kCmdDoSub, cmd_do_sub},
    {kCmdSubStart, cmd_sub_start},
    {kCmdSubEnd, cmd_sub_end},
    {kCmdConfirm, cmd_confirm},
    {kCmdDoCase, cmd_do_case},
    {kCmdCase, cmd_case},
    {kCmdEndCase, cmd_end_case},
    {kCmdRollback, cmd_rollback},
    {kCmdCallPgm, cmd_call_pgm},
    {159, cmd_nothing},
    {kCmdErrorHandler, cmd_error_handler},
    {kCmdCallOther, cmd_call_other},
    {kCmdOtherwise, cmd_otherwise},
    {kCmdUserCode, cmd_user_code},
    {kCmdUserSql, cmd_user_sql},
    {kCmdLink, cmd_link},
};

}  // namespace

std::string level_digits(const Term& level) {
  const std::string n = text_of(level);
  return n.size() < 2 ? std::string(2 - n.size(), '0') + n : n;
}

// The number of the subfile a level loads, two digits: the load producer,
// loadToBuffer and closeCursors carry it as the form's subfile control does.
// A level that shows no subfile keeps its own number.
std::string load_digits(Run& run, const Term& level) {
  for (const Term& n : form_subfile_numbers(run)) {
    if (is_lvl2sub(run, level, n)) return level_digits(n);
  }
  return level_digits(level);
}

bool gen_load_event(Run& run, const Term& event, const Term& level, const std::string& method) {
  if (platform::upper_1252(bare_name(event)) != "LOAD") {
    if (!qn_event_method(run, event, level)) return false;
    return method_header(run, "protected void " + method + "()" +
                                  (prints(run) ? " throws ProcessInterruptedException"
                                                        : ""));
  }
  if (spec_kind_in(run, {"scr"}) && sfl_level(run, level, Term::fresh_var())) {
    // A work panel's subfile: the rows go to the buffer, then the event
    // moves each shown attribute's auxiliary into the subfile element.
    run.facts().assertz(fact("in_event_load", {}));
    const std::string n = load_digits(run, level);
    if (!method_header(run, "public void loadToBuffer" + n + "()") ||
        !gen_load_to_buffer(run, level) || !emit_method_end(run)) {
      return false;
    }
    return method_header(run, "private void " + method + "() throws QNLoadInterruptException") &&
           gen_load_element_sets(run, level);
  }
  if (spec_kind_in(run, {"web"})) return method_header(run, "private void " + method + "()");
  if (!method_header(run, "protected void nextLoad()") || !emit_method_end(run)) return false;
  return method_header(run, "protected void " + method + "()");
}

bool gen_event_end(Run& run, const Term& level) {
  auto& facts = run.facts();
  bool ok = end_routine(run, "0");
  if (!facts.exists(fact("in_event_load", {}))) return ok;
  facts.retract_all(fact("in_event_load", {}));
  return gen_close_cursors_method(run, level) && ok;
}

bool gen_close_cursors_method(Run& run, const Term& level, const std::string& digits,
                              bool keep) {
  auto& facts = run.facts();
  // The cursors the subfile's load opened are closed with the load.
  const std::string n = digits.empty() ? load_digits(run, level) : digits;
  bool ok = method_header(run, "protected void closeCursors" + n + "()");
  for (const Term& f : facts.clauses("load_cursors", 1)) {
    for (const Term& c : f.arg(1).is_cons() ? f.arg(1).list_items() : std::vector<Term>{f.arg(1)}) {
      ok = gen_db_command(run, "qnclosecur", {text_of(c)}) && ok;
    }
  }
  if (!keep) {
    facts.abolish("load_cursors", 1);
    facts.abolish("cursor_loaded_i", 1);
  }
  return emit_method_end(run) && ok;
}

bool gen_load_producer(Run& run, int64_t model, const Term& level, const std::string& digits) {
  std::string object;
  if (auto c = run.facts().first(fact("current_pgm_i", {var()}))) object = text_of(c->arg(1));
  const std::string n = digits.empty() ? load_digits(run, level) : digits;
  // current_pgm_i/1 holds the program's name already.
  if (!gen_class_header(run, model, "load", object + "_load" + n,
                        SourceMode::Same)) {
    return false;
  }
  bool ok = method_header(run, "public void loadToBuffer()") &&
            Out(run).pieces({"loadToBuffer" + n + "();"}).ok() && emit_method_end(run);
  ok = ok && method_header(run, "public synchronized void runLoad() throws QNLoadInterruptException");
  run.facts().assertz(fact("in_event_load", {}));
  ok = ok && gen_level_load(run, Term::nil(), level, Term::nil(), Term::nil());
  run.facts().retract_all(fact("in_event_load", {}));
  ok = ok && end_routine(run, "0");
  ok = ok && method_header(run, "public void closeCursors()") &&
       Out(run).pieces({"closeCursors" + n + "();"}).ok() && emit_method_end(run);
  return ok && emit_class_end(run);
}

bool gen_call(Run& run, const Term& tokens, const Term& level, const Term& c3, const Term& c4,
              const Term& c5, const Term& c6) {
  const auto toks = tokens.list_items();
  // call(Target, Arguments) or udp(Target, Arguments): the target follows
  // the command, or the function's "(" with the closing ")" last.
  size_t at = 1;
  size_t end = toks.size();
  if (at < end && tok_kind(toks[at]) == kTokFunction) {
    ++at;
    if (end > at && tok_kind(toks[end - 1]) == kTokClose) --end;
  } else if (!toks.empty() && tok_text(toks[0]).ends_with("(") && end > at &&
             tok_kind(toks[end - 1]) == kTokClose) {
    // The command itself opens the bracket: "call(" Target, Arguments ")".
    --end;
  }
  if (at >= end) return false;
  const Term& target = toks[at];
  const Term args = drop_comma_token(Term::list(std::vector<Term>(toks.begin() + at + 1, toks.begin() + end)));
  // A program named by a constant or an object reference may run in the
  // database: its call is then an SQL CALL.
  if (call_target_name(target) &&
      gen_udp_call(run, target, num(tok_kind(target)), args, c3, c4)) {
    return true;
  }
  return gen_pgm_call(run, "udp", target.arg(1), tok_kind(target), args, {c3, c4});
}

namespace {

// A sort( control method among the tokens, nested ones included.
bool names_sort(const Term& toks) {
  for (const Term& t : toks.list_items()) {
    if (!t.is_compound() || t.arity() < 1) continue;
    if (t.arg(1).is_cons() ? names_sort(t.arg(1)) : platform::lower_1252(text_of(t.arg(1))) == "sort(")
      return true;
  }
  return false;
}

}  // namespace

void note_event_command(Run& run, const Term& toks) {
  auto& facts = run.facts();
  if (!toks.is_cons() || !facts.exists(fact("in_usr_proc_i", {var()}))) return;
  const int64_t code = tok_kind(toks.head());
  const bool to_variable =
      code == kCmdCall && toks.tail().is_cons() &&
      (tok_kind(toks.tail().head()) == kTokAttribute || tok_kind(toks.tail().head()) == kTokVariable);
  const bool sort = names_sort(toks);
  const char* what = code == 148 || code == 149 || sort                ? "reload"
                     : code == kCmdAssign || to_variable ? "assign"
                                                         : nullptr;
  if (what && !facts.exists(fact("event_cmd_i", {atom(what)}))) {
    facts.assertz(fact("event_cmd_i", {atom(what)}));
  }
}

bool cmd_to_code(Run& run, const Term& tokens, const Term& c2, const Term& c3, const Term& level,
                 const Term& c5) {
  if (!tokens.is_cons()) return true;
  // Each command line is a statement of its own: the temporaries of the
  // line before are free again.
  reset_exp_state(run);
  const Term toks = drop_tok_positions(tokens);
  const int64_t code = first_token_type(toks);
  note_event_command(run, toks);
  for (const CmdRow& row : kCommands) {
    if (row.code != code) continue;
    const Line line{tokens, toks, toks.tail(), c2, c3, level, c5};
    return row.fn(run, line);
  }
  return true;
}

}  // namespace qn::logic
