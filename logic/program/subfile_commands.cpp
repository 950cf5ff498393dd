#include "logic/program/subfile_commands.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/tokens.h"
#include "logic/java/class_frame.h"
#include "logic/java/variables.h"
#include "logic/javaui/form_create.h"
#include "logic/javaui/subfile_classes.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/program_props.h"
#include "logic/program/expressions.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/rule_utilities.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

std::string nn_of(const Term& subfile) {
  const std::string n = text_of(subfile);
  return n.size() < 2 ? std::string(2 - n.size(), '0') + n : n;
}

// The subfile a level shows itself (is_lvl2sub/2).
std::optional<Term> own_subfile(Run& run, const Term& level) {
  for (const Term& n : form_subfile_numbers(run)) {
    if (is_lvl2sub(run, level, n)) return n;
  }
  return std::nullopt;
}

bool repeating(Run& run, const Term& level) {
  return run.facts().exists(fact("repeat_i", {level, var()}));
}

// A stand-in of a later writer (tests); none: nothing is written.
bool ask(Run& run, const char* name, std::vector<Term> args) {
  const Run::HostStandIn* s = run.host_stand_in(name, static_cast<uint32_t>(args.size()));
  return s && (*s)(run, args);
}

bool in_load_event(Run& run) {
  auto& facts = run.facts();
  if (facts.exists(fact("in_event_load", {}))) return true;
  for (const Term& e : facts.clauses("in_event_i", 1)) {
    const Term& t = e.arg(1);
    const Term v = t.is_compound() && t.arity() >= 1 ? t.arg(1) : t;
    if (platform::upper_1252(text_of(v)) == "LOAD") return true;
  }
  return false;
}

// Loop start over the lines of the level's subfile (step 2); a nested
// loop names its enumeration after its subfile, the outer one's name taken.
bool loop_start(Run& run, const Term& subfile, const char* method) {
  auto& facts = run.facts();
  std::string en = "en";
  if (facts.count("sfl_loop_i", 1) > 0) {
    en = "en" + nn_of(subfile);
    for (int k = 2; facts.exists(fact("sfl_loop_i", {atom(en)})); ++k)
      en = "en" + nn_of(subfile) + "_" + std::to_string(k);
  }
  facts.asserta(fact("sfl_loop_i", {atom(en)}));
  Out out(run);
  out.pieces({"for (java.util.Enumeration " + en + " =",
              subfile_control_name(run, subfile) + "." + method + "();",
              en + ".hasMoreElements();)"});
  out.open("{");
  out.pieces({subfile_obj_name(run, subfile), "= (", subfile_class_name(run, subfile),
              ") " + en + ".nextElement();"});
  for (const Term& n : form_subfile_numbers(run)) out.pieces({"subfileToVariables" + nn_of(n) + "();"});
  return out.ok();
}

bool loop_end(Run& run) {
  auto& facts = run.facts();
  if (auto top = facts.first(fact("sfl_loop_i", {var()}))) facts.retract(*top);
  Out out(run);
  out.pieces({"eventLevelResetContext( );"});
  out.close("}");
  out.pieces({"eventLevelContext( );"});
  return out.ok();
}

bool load_command(Run& run, const Term& level) {
  const bool web = spec_kind_in(run, {"web"}) || http_main_pgm(run);
  if (web) {
    std::optional<Term> n = own_subfile(run, level);
    if (!n) {
      const auto all = form_subfile_numbers(run);
      if (!all.empty()) n = all.front();
    }
    if (n) return ask(run, "gen_wb_routine_call", {*n, level});
  }
  if (in_load_event(run)) {
    if (auto n = level_subfile(run, level))
      return Out(run).pieces({subfile_control_name(run, *n) + ".loadCommand();"}).ok();
  }
  if (auto n = own_subfile(run, level)) {
    // loadToBuffer copies the variables into the line itself: no
    // variablesToSubfile line before it, in Start and Exit as elsewhere.
    return Out(run).pieces({"loadToBuffer" + nn_of(*n) + "();"}).ok();
  }
  return Out(run).pieces({"nextLoad();"}).ok();
}

}  // namespace

bool subfile_assignment(Run& run, const Term& level, const Term& attribute) {
  const auto n = own_subfile(run, level);
  if (!n) return true;
  const auto value = exp_to_java(run, Term::list({fact("t", {attribute, num(kTokAttribute)})}), {});
  if (!value) {
    return emit_comment(run, {Piece("Generation error: no value for subfile field " +
                                    text_of(attribute))});
  }
  std::vector<Piece> line{Piece(subf_obj_att_name(run, *n, attribute, "set") + "(")};
  for (const auto& p : value->pieces) line.emplace_back(p);
  line.emplace_back(");");
  return Out(run).pieces(line).ok();
}

std::optional<Term> level_subfile(Run& run, const Term& level) {
  std::vector<Term> seen;
  Term at = level;
  while (std::find(seen.begin(), seen.end(), at) == seen.end()) {
    if (auto n = own_subfile(run, at)) return n;
    seen.push_back(at);
    std::optional<Term> next;
    for (const Term& b : run.facts().findall(fact("break_i", {at, atom("nvg"), var(), var(), var()}))) {
      if (b.arg(4) == b.arg(5)) {
        next = b.arg(3);
        break;
      }
    }
    if (!next) return std::nullopt;
    at = *next;
  }
  return std::nullopt;
}

bool gen_subfile_event_access(Run& run, const Term& tokens, const Term& c2, const Term& c3,
                              const Term& level, const Term& c5) {
  if (!tokens.is_cons()) return true;
  const Term toks = drop_tok_positions(tokens);
  const int64_t code = first_token_type(toks);
  const bool trn = spec_kind_in(run, {"trn"});
  const bool scr = spec_kind_in(run, {"scr"});
  if (code == kCmdRefresh && trn) return true;
  if (code == kCmdRefresh && scr) {
    bool keep = false;
    if (toks.tail().is_cons()) {
      const Term& next = toks.tail().head();
      keep = next.is_compound() && next.arity() >= 1 &&
             platform::upper_1252(text_of(next.arg(1))) == "KEEP";
    }
    return refresh_cmd(run, level, atom(keep ? "keep" : "n"));
  }
  if ((code == kCmdForEachLine || code == kCmdForEachSelectedLine) && repeating(run, level)) {
    if (auto n = own_subfile(run, level))
      return loop_start(run, *n, code == kCmdForEachLine ? "elements" : "selectedElements");
  }
  if (code == kCmdEndForEachLine && repeating(run, level) && own_subfile(run, level)) {
    return loop_end(run);
  }
  if (code == kCmdLoad) return load_command(run, level);
  return cmd_to_code(run, tokens, c2, c3, level, c5);
}

bool refresh_all_subfiles(Run& run) {
  Out out(run);
  out.pieces({"QNRefresh();"});
  for (const Term& n : form_subfile_numbers(run)) out.pieces({subfile_control_name(run, n) + ".load();"});
  return out.ok();
}

bool start_load(Run& run, const Term& level) {
  for (const Term& n : form_subfile_numbers(run)) {
    if (!sfl_level(run, level, n)) continue;
    Out out(run);
    out.pieces({subfile_control_name(run, n) + ".startLoad();"});
    out.pieces({subfile_obj_name(run, n), "= new", subfile_class_name(run, n), "();"});
    return out.ok();
  }
  return true;
}

bool end_load(Run& run, const Term& level) {
  for (const Term& n : form_subfile_numbers(run)) {
    if (sfl_level(run, level, n))
      return Out(run).pieces({subfile_control_name(run, n) + ".endLoad();"}).ok();
  }
  return true;
}

bool load_to_buffer_routine(Run& run, const Term& subfile) {
  auto level = subfile_shown_level(run, subfile);
  if (!level) return true;
  const std::string cls = subfile_class_name(run, subfile);
  declare_var(run, atom(subfile_obj_name(run, subfile)),
              Term::list({fact("obj", {str(cls)}), num(0), num(0), num(1)}), "s", Term::nil());
  return emit_method_header(run, "loadToBuffer" + nn_of(subfile), "public ", "void", {}, "") &&
         gen_subfile_load_to_buffer(run, subfile) && emit_method_end(run);
}

bool trn_load_to_buffer_routines(Run& run) {
  bool ok = true;
  for (const Term& n : form_subfile_numbers(run)) {
    ok = load_to_buffer_routine(run, n) && ok;
    ok = subfile_flow_control(run, n) && ok;
  }
  return ok;
}

bool read_subfile_row(Run& run, const Term& subfile) {
  const std::string idx = "nQNsfl_" + text_of(subfile) + "_idx";
  Out out(run);
  out.pieces({subfile_obj_name(run, subfile), "= (", subfile_class_name(run, subfile), ")",
              subfile_control_name(run, subfile) + ".getElementAt(" + idx + ")", ";"});
  out.pieces({"subfileToVariables" + nn_of(subfile) + "();"});
  out.pieces({idx, "=", idx, "+", "1", ";"});
  return out.ok();
}

bool web_subfile_refresh_load(Run& run) {
  if (!spec_kind_in(run, {"web"}) && !http_main_pgm(run)) return true;
  const auto subfiles = form_subfile_numbers(run);
  if (subfiles.empty()) return true;
  const Term n = subfiles.front();
  Term first = num(1);
  if (auto l = run.facts().first(fact("level_i", {var(), var()}))) first = l->arg(1);
  ask(run, "row_return_link", {first, n});
  return ask(run, "gen_wb_routine_call", {n, first});
}

bool refresh_var_of_level(Run& run, const Term& variable, const Term& level) {
  auto& facts = run.facts();
  // 1. The rule a(29, [all]) in a program without is_i/2 names.
  for (const Term& r : facts.clauses("rule_i", 2)) {
    const Term& rule = r.arg(2);
    if (!(r.arg(1) == num(0)) || !rule.is_compound() || rule.functor() != "rule" || rule.arity() < 1)
      continue;
    for (const Term& a : rule.arg(1).list_items()) {
      if (a.is_compound() && a.functor() == "a" && a.arity() == 2 && a.arg(1) == num(29) &&
          a.arg(2).list_items().size() == 1 && a.arg(2).list_items()[0] == "all" &&
          facts.count("is_i", 2) == 0)
        return true;
    }
  }
  // 2. The ninth element of level_i/2: a pair whose second part lists
  // [[], Variable, _].
  if (auto l = facts.first(fact("level_i", {level, var()}))) {
    const auto items = l->arg(2).list_items();
    if (items.size() >= 9) {
      const Term& pair = items[8];
      Term second = Term::nil();
      if (pair.is_cons() && pair.list_items().size() == 2) {
        second = pair.list_items()[1];
      } else if (pair.is_compound() && pair.arity() == 2) {
        second = pair.arg(2);
      }
      for (const Term& e : second.list_items()) {
        const auto entry = e.list_items();
        if (entry.size() >= 2 && entry[0].is_nil() && entry[1] == variable) return true;
      }
    }
  }
  // 3. A variable token of one of the level's conditions.
  std::function<bool(const Term&)> uses = [&](const Term& toks) {
    for (const Term& t : toks.list_items()) {
      if (!t.is_compound() || t.functor() != "t" || t.arity() < 2) continue;
      if (t.arg(2) == num(kTokVariable) && t.arg(1) == variable) return true;
      if (t.arg(1).is_cons() && uses(t.arg(1))) return true;
    }
    return false;
  };
  for (const Term& w : facts.clauses("lwi_i", 2)) {
    if (!(w.arg(1) == level)) continue;
    for (const Term& c : w.arg(2).list_items()) {
      if (c.is_compound() && c.functor() == "c" && c.arity() == 2 && uses(c.arg(1))) return true;
    }
  }
  // 4. The value (kind 23) of a start condition.
  for (const Term& s : facts.clauses("start_i", 4)) {
    if (!(s.arg(1) == level)) continue;
    const auto parts = s.arg(4).list_items();
    if (parts.empty()) continue;
    for (const Term& item : parts[0].list_items()) {
      const auto i = item.list_items();
      // An attribute on the value side (kind 2) is read as a variable too.
      if (i.size() >= 3 && (i[1] == num(kTokVariable) || i[1] == num(kTokAttribute)) &&
          i[2] == variable)
        return true;
    }
  }
  return false;
}

}  // namespace qn::logic
