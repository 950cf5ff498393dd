#include "logic/toolbox/pending.h"

#include <string>
#include <vector>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/core/options.h"
#include "logic/core/spec_files.h"
#include "logic/core/tokens.h"
#include "logic/java/remote_calls.h"
#include "logic/program/subfile_commands.h"
#include "logic/java/variables.h"
#include "logic/program/expressions.h"
#include "logic/program/program_frame.h"
#include "logic/program/pgm_calls.h"
#include "logic/core/utilities.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/report_end.h"
#include "logic/toolbox/report_print.h"
#include "platform/cp1252.h"

namespace qn::logic {

bool uses_ask(const Run& run) {
  for (const engine::Term& f : run.facts().clauses("function_i", 9)) {
    if (f.arg(4) == "ask" || f.arg(5) == "ask") return true;
  }
  return false;
}

bool auto_remote_proc(Run& run) {
  if (!spec_kind_in(run, {"proc"}) || !remote_calls_protocol(run)) return false;
  bool navigates = false;
  for (const engine::Term& l : run.facts().clauses("level_i", 2)) {
    const engine::Term& items = l.arg(2);
    if (items.is_cons() && !(items.head().is_int() && items.head().as_int() == 0)) {
      navigates = true;
      break;
    }
  }
  if (!navigates || uses_ask(run)) return false;
  const auto value = pgm_prop_value(run, "AUTO_REMOTE");
  return value && !value->empty();
}
bool gen_refresh_cmd(Run& run, const engine::Term& level, const engine::Term& mode) {
  (void)level;
  if (!spec_kind_in(run, {"scr"})) return false;
  // A work panel refreshes its variables and controls, then reloads its
  // subfiles (keeping their lines with Refresh keep).
  Out out(run);
  out.pieces({"QNRefresh();"});
  for (const engine::Term& f : run.facts().clauses("lit_i", 4)) {
    const engine::Term& it = f.arg(3);
    if (!(it.is_compound() && it.functor() == "s" && it.arity() == 1)) continue;
    std::string sub = "sub" + text_of(f.arg(1));
    for (const engine::Term& p : f.arg(4).list_items()) {
      if (p.is_compound() && p.functor() == "ctlname" && p.arity() == 1 && !text_of(p.arg(1)).empty())
        sub = "sub" + text_of(p.arg(1));
    }
    out.pieces({sub + (mode == "keep" ? ".refreshKeep();" : ".load();")});
  }
  return out.ok();
}

bool gen_event_cmd_call(Run& run, const engine::Term& event, const engine::Term& level) {
  // The event's header line: its name with or without quotes.
  auto bare = [](std::string t) {
    if (t.size() >= 2 && (t.front() == '\'' || t.front() == '"') && t.back() == t.front())
      t = t.substr(1, t.size() - 2);
    return platform::upper_1252(t);
  };
  const std::string want = bare(text_of(event));
  for (const engine::Term& l : run.facts().clauses("b_line_i", 6)) {
    // The first token's type is read before the positions are dropped:
    // only event headers are copied.
    if (l.arg(4) != "cmd" || first_token_type(l.arg(6)) != kCmdEventStart) continue;
    const engine::Term toks = drop_tok_positions(l.arg(6));
    if (!toks.tail().is_cons()) continue;
    const engine::Term& name = toks.tail().head();
    if (!name.is_compound() || name.arity() < 1 || bare(text_of(name.arg(1))) != want) continue;
    // "do" the event, named by the header's own tokens.
    const engine::Term cmd =
        engine::Term::list({fact("t", {atom("do"), num(kCmdDoSub)}), name});
    return cmd_to_code(run, cmd, engine::Term::nil(), engine::Term::nil(), level,
                       engine::Term::nil());
  }
  return false;
}

namespace {

// The stand-in of name/arity (tests), the arguments padded with [].
bool ask(Run& run, const char* name, uint32_t arity, std::vector<engine::Term> args) {
  const Run::HostStandIn* s = run.host_stand_in(name, arity);
  if (!s) return false;
  while (args.size() < arity) args.push_back(engine::Term::nil());
  return (*s)(run, args);
}

}  // namespace

bool gen_block_cmds(Run& run, const engine::Term& level, const engine::Term& group,
                    const engine::Term& kind, const engine::Term& sel, const engine::Term& c2,
                    const engine::Term& c3, const engine::Term& c4) {
  if (ask(run, "gen_block_cmds", 10, {level, group, kind, sel, c2, c3, c4})) return true;
  // A group that prints is a print block; any other is its command lines,
  // in order.
  const auto lines = clauses_by_arg(run, "b_line_i", 6, 2, level);
  for (const engine::Term& l : lines) {
    if (l.arg(3) == group && l.arg(4) == "line") return false;
  }
  auto& facts = run.facts();
  // In panels and transactions each line goes to the subfile statements'
  // writer (a later generator's, asked of the run's stand-in), which hands
  // the others to cmd_to_code/5; without it, to cmd_to_code/5 directly.
  const Run::HostStandIn* subfile_access =
      spec_kind_in(run, {"scr", "trn"}) ? run.host_stand_in("gen_subfile_event_access", 5) : nullptr;
  bool ok = true;
  for (const engine::Term& l : lines) {
    if (!(l.arg(3) == group) || l.arg(4) != "cmd") continue;
    facts.abolish("cmd_line_at_i", 1);
    facts.assertz(fact("cmd_line_at_i", {l.arg(1)}));
    // Panels and transactions know the statements about their subfiles.
    note_event_command(run, drop_tok_positions(l.arg(6)));
    ok = (spec_kind_in(run, {"scr", "trn"})
              ? gen_subfile_event_access(run, l.arg(6), c2, c3, level, c4)
              : cmd_to_code(run, l.arg(6), c2, c3, level, c4)) &&
         ok;
    facts.abolish("cmd_line_at_i", 1);
  }
  return ok;
}

bool gen_print_block(Run& run, const engine::Term& level, const engine::Term& group,
                     const engine::Term& kind, const engine::Term& sel, const engine::Term& c2,
                     const engine::Term& c3, const engine::Term& c4) {
  if (ask(run, "gen_print_block", 10, {level, group, kind, sel, c2, c3, c4})) return true;
  return gen_print_group(run, level, group, kind, c2, c3, c4);
}

bool call_pgm_by_generator(Run& run, const engine::Term& a1, const engine::Term& a2,
                           const engine::Term& a3, const engine::Term& level,
                           const engine::Term& c2, const engine::Term& c3,
                           const engine::Term& c5) {
  if (ask(run, "call_pgm_by_generator", 7, {a1, a2, a3, level, c2, c3, c5})) return true;
  // The callee's generator (pgm_gen_i/2, names in lower case): this one's
  // programs and those without a generator are called as any program is;
  // another generator's cannot be.
  auto bare = [](std::string s) {
    if (s.size() >= 2 && (s.front() == '\'' || s.front() == '"') && s.back() == s.front())
      s = s.substr(1, s.size() - 2);
    return s;
  };
  const std::string name = bare(text_of(a1));
  std::optional<int64_t> generator;
  for (const engine::Term& f : run.facts().clauses("pgm_gen_i", 2)) {
    if (platform::lower_1252(text_of(f.arg(1))) == platform::lower_1252(name) && f.arg(2).is_int())
      generator = f.arg(2).as_int();
  }
  if (generator && *generator != 11) {
    return emit_comment(run, {"Generation error. Fail to call program " + name + " location " +
                              bare(text_of(a2)) + " generated by " + std::to_string(*generator)});
  }
  engine::Term parms = a3.is_cons() ? a3 : engine::Term::nil();
  if (parms.is_cons() && parms.head().is_compound() && parms.head().arity() >= 2 &&
      parms.head().arg(2) == num(kTokComma))
    parms = parms.tail();
  return gen_pgm_call(run, "udp", str(name), kTokConstant, parms, {});
}

bool gen_rpt_vars(Run& run, const engine::Term& level, const engine::Term& ctx2,
                  const engine::Term& ctx3) {
  if (ask(run, "gen_rpt_vars", 3, {level, ctx2, ctx3})) return true;
  return gen_rpt_vars_print(run);
}
bool rpt_break_groups(Run& run, const engine::Term& level, const engine::Term& which,
                      const engine::Term& ctx3) {
  if (ask(run, "rpt_break_groups", 3, {level, which, ctx3})) return true;
  return rpt_break_groups_print(run, text_of(which));
}
bool gen_initpars_call(Run& run) {
  if (ask(run, "gen_initpars_call", 0, {})) return true;
  return gen_web_parm_reads(run, false);
}

bool gen_web_parm_reads(Run& run, bool static_guard) {
  using engine::Term;
  auto t = [](std::string_view text, int64_t kind) { return fact("t", {atom(text), num(kind)}); };
  auto list = [](std::vector<Term> items) { return Term::list(items); };
  bool ok = gen_call_stmt(run, "initpars", Term::nil());
  const std::vector<Term> parms = get_pgm_parms(run).list_items();
  // A static page is written with the parameters it was called with.
  const bool guard = static_guard && !parms.empty();
  if (guard)
    ok = ok && emit_if(run, list({t("staticgeneration(", kTokFunction), t(")", kTokClose),
                                  t("=", kTokCompare), t("0", kTokConstant)}),
                       {});
  for (const Term& p : parms) {
    auto rp = routine_parms(p);
    if (!rp) continue;
    const OptType type = var_type(run, rp->name);
    const char* wrap = is_numeric(type)                  ? "val("
                       : type && type->type == "date"  ? "QNWebStr2Date("
                       : type && type->type == "dtime" ? "QNWebStr2Time("
                                                       : nullptr;
    std::vector<Term> value;
    if (wrap) value.push_back(t(wrap, kTokFunction));
    value.push_back(t("GetNextPar(", kTokFunction));
    value.push_back(t(")", kTokClose));
    if (wrap) value.push_back(t(")", kTokClose));
    ok = ok && assign_var(run, rp->name, list(value));
  }
  if (guard) ok = ok && emit_close_blocks(run, num(1));
  return ok;
}

}  // namespace qn::logic
