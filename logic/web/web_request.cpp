#include "logic/web/web_request.h"

#include <cstdlib>
#include <vector>

#include "logic/core/levels.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/javaui/form_controls.h"
#include "logic/javaui/form_props.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_props.h"
#include "logic/program/expressions.h"
#include "logic/program/program_frame.h"
#include "logic/sql/level_join.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/pending.h"
#include "logic/toolbox/rule_utilities.h"
#include "logic/web/page_html.h"
#include "logic/web/static_urls.h"
#include "logic/web/web_tokens.h"
#include "platform/cp1252.h"

namespace qn::logic::web {

using engine::Term;

namespace {

Term type_of(std::string_view type, int64_t length) {
  return Term::list({atom(type), num(length), num(0), num(0)});
}

bool is_item(const Term& item, std::string_view functor, uint32_t arity) {
  return item.is_compound() && item.functor() == functor && item.arity() == arity;
}

// The kind prefix of an unnamed form item, or none.
std::optional<std::string> ctlname_in(const Term& props) {
  for (const Term& p : props.list_items()) {
    if (is_item(p, "ctlname", 1) && !text_of(p.arg(1)).empty()) return text_of(p.arg(1));
  }
  return std::nullopt;
}

bool declare(Run& run, std::string_view name, std::string_view type, int64_t length,
             const Term& initial) {
  return declare_var(run, atom(name), type_of(type, length), "s", initial);
}

// The statement writers report a failed write through the output; a
// statement that cannot be translated is a fault of the generator's own
// tokens, so every one of them counts.
bool assign(Run& run, std::string_view name, const Term& value) {
  return assign_var(run, atom("&" + std::string(name)), value);
}

bool call(Run& run, const std::string& routine, const Term& args = Term::nil()) {
  return gen_call_stmt(run, routine, args);
}

bool redirect(Run& run, const Term& tokens) {
  auto x = exp_to_java(run, tokens, {});
  if (!x) return false;
  std::string text;
  for (const std::string& p : x->pieces) text += (text.empty() ? "" : " ") + p;
  return Out(run).pieces({"redirect(", text, ");"}).ok();
}

// The subfile control (a lit_i/4 entry s(N)) a level is loaded into.
std::optional<Term> level_subfile(Run& run, const Term& level) {
  for (const Term& f : run.facts().clauses("lit_i", 4)) {
    if (is_item(f.arg(3), "s", 1) && sfl_level(run, level, f.arg(3).arg(1))) return f;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> unnamed_prefix(const Term& item) {
  if (is_item(item, "t", 2) && item.arg(2) == num(kTokConstant)) return "lbl";
  if (is_item(item, "button", 1)) return "btt";
  if (is_item(item, "s", 1)) return "sub";
  if (is_item(item, "bitmap", 1)) return "img";
  return std::nullopt;
}

std::string default_ctl_name(const Term& lit) {
  const auto prefix = unnamed_prefix(lit.arg(3));
  return prefix && lit.arg(1).is_int() ? *prefix + std::to_string(lit.arg(1).as_int()) : "";
}

void process_form_literals(Run& run) {
  auto& facts = run.facts();
  std::vector<Term> all = facts.clauses("lit_i", 4);
  bool changed = false;
  for (Term& f : all) {
    std::vector<Term> props;
    bool dropped = false;
    for (const Term& p : f.arg(4).list_items()) {
      if (is_item(p, "ctlname", 1) && text_of(p.arg(1)).empty()) {
        dropped = true;
        continue;
      }
      props.push_back(p);
    }
    const Term kept = Term::list(props);
    if (!ctlname_in(kept)) {
      if (auto prefix = unnamed_prefix(f.arg(3)); prefix && f.arg(1).is_int()) {
        props.insert(props.begin(),
                     fact("ctlname", {atom(*prefix + std::to_string(f.arg(1).as_int()))}));
        dropped = true;
      }
    }
    if (!dropped) continue;
    f = fact("lit_i", {f.arg(1), f.arg(2), f.arg(3), Term::list(props)});
    changed = true;
  }
  if (!changed) return;
  facts.abolish("lit_i", 4);
  for (const Term& f : all) facts.assertz(f);
}

std::optional<Term> call_liti(Run& run, const Term& number) {
  return run.facts().first(fact("lit_i", {number, var(), var(), var()}));
}

std::string web_ctl_name(Run& run, const Term& item, const Term& props) {
  if (auto n = ctlname_in(props)) return platform::upper_1252(*n);
  const Term& inner = is_item(item, "s", 2) ? item.arg(1) : item;
  std::string name = is_item(inner, "t", 2) ? text_of(inner.arg(1)) : text_of(inner);
  return platform::upper_1252(pgm_prop_dft(run, "web_var_control_name_prefix", "_") +
                              strip_ampersand(name));
}

Term posted_value_tokens(const Term& name_tokens, const OptType& type,
                         const PostedControl& control) {
  const Term get = tl({fn("CGIGet"), name_tokens, op(")")});
  Term value;
  if (control.kind == "checkbox") {
    value = tl({fn("iif"), fn("val"), get, op(")"), op("="), ntok(1), op(","), control.checked,
                op(","), control.unchecked, op(")")});
  } else if (is_numeric(type)) {
    value = tl({fn("val"), get, op(")")});
  } else if (type && type->type == "date") {
    value = tl({fn("ctodl"), get, op(")")});
  } else if (type && type->type == "dtime") {
    value = tl({fn("ctotl"), get, op(")")});
  } else {
    value = get;
  }
  const bool upper_pic =
      control.picture == "@!" ||
      (!control.picture.empty() && control.picture.find_first_not_of('!') == std::string::npos);
  if (control.kind == "edit" && upper_pic) value = tl({fn("upper"), value, op(")")});
  return value;
}

std::string routine_name(Run& run, std::string_view prefix, const Term& level) {
  return pgm_unique_name(run, prefix, text_of(level));
}

std::string sfl_idx_var(const std::string& subfile) { return "nQNsfl_" + subfile + "_idx"; }
std::string sfl_char_index_var(const std::string& subfile) { return "sQNsfl_" + subfile + "_idx"; }

std::string refresh_flag(const Term& level) {
  const int64_t n = level.is_int() ? std::llabs(level.as_int()) : 0;
  return "Rfr" + std::to_string(n) + "gs";
}

bool gen_pa_call(Run& run, const Term& first_level) {
  return call(run, routine_name(run, "PA", first_level));
}

bool gen_ws_we_calls(Run& run, const Term& first_level) {
  return call(run, routine_name(run, "WS", first_level)) &&
         call(run, routine_name(run, "WE", first_level));
}

namespace {

bool gen_wb(Run& run, const Term& first_level) {
  const std::string name = routine_name(run, "WB", first_level);
  bool ok = declare(run, "wbLoad", "boolean", 1, Term::nil()) &&
            declare(run, "wbEnd", "int", 4, Term::nil()) &&
            begin_local_routine(run, atom(name), Term::nil(), {});
  // The page is written once: the flag is set before the first text, so a
  // subfile's load that calls this routine again writes nothing.
  ok = ok && emit_if(run, tl({vtok("wbLoad"), op("="), tok("false", kTokConstant)}), {}) &&
       assign(run, "wbLoad", tl({tok("true", kTokConstant)}));
  ok = ok && gen_html_page(run) && emit_close_blocks(run, num(1));
  return ok && end_function(run, name, "0");
}

bool gen_ws(Run& run, const Term& first_level) {
  const std::string name = routine_name(run, "WS", first_level);
  bool ok = begin_local_routine(run, atom(name), Term::nil(), {});
  ok = ok && declare(run, "wbLoad", "boolean", 1, tl({tok("false", kTokConstant)})) &&
       declare(run, "wbEnd", "int", 4, tl({ntok(0)})) &&
       declare(run, "wbTemp", "int", 1, tl({ntok(0)})) &&
       declare(run, "wjLoc", "char", 1024, tl({stok("")})) &&
       declare(run, "nUserReturn", "int", 1, tl({ntok(0)})) &&
       declare(run, "sCallerURL", "char", 1024, Term::nil()) &&
       declare(run, "QNSUBMITID", "char", 1024, Term::nil()) &&
       declare(run, refresh_flag(num(0)), "boolean", 1, Term::nil());
  // Each subfile's first line colour.
  for (const Term& f : run.facts().clauses("lit_i", 4)) {
    if (!is_item(f.arg(3), "s", 1)) continue;
    for (const Term& p : f.arg(4).list_items()) {
      if (!is_item(p, "linesbackcolor", 1)) continue;
      auto colour = rgb_text(run, p.arg(1));
      auto cn = ctlname_in(f.arg(4));
      if (!colour || !cn) continue;
      ok = ok && assign_var(run, atom("&" + prop_var(run, *cn, "Backcolor")),
                            tl({tok(*colour, kTokConstant)}));
    }
  }
  if (platform::upper_1252(pgm_prop_dft(run, "web_auto_focus", "")) != "NO")
    ok = ok && focus_first_level_att(run, first_level);
  const Term post = tl({vtok("CGI_RequestMethod"), op("="), stok("POST")});
  ok = ok && emit_if(run, post, {}) &&
       assign(run, "sCallerURL", tl({fn("CGIGet"), stok("sCallerURL"), op(")")})) &&
       emit_else(run) && assign(run, "sCallerURL", tl({vtok("CGI_Referer")})) &&
       emit_close_blocks(run, num(1));
  ok = ok && gen_user_event(run, atom("Start"), first_level);
  ok = ok && emit_comment(run, {"Stand alone formulas."});
  ok = ok && declare(run, "wbErr", "boolean", 1, tl({tok("false", kTokConstant)}));
  ok = ok && emit_if(run, post, {}) &&
       emit_if(run, tl({fn("null"), vtok("wjLoc"), op(")"), op("AND"), vtok("nUserReturn"),
                        op("<>"), ntok(1)}),
               {}) &&
       read_posted_values(run, first_level) && emit_comment(run, {"Read Web Panel buttons."}) &&
       read_web_buttons(run, first_level) && emit_close_blocks(run, num(2));
  return ok && end_function(run, name, "0");
}

bool gen_we(Run& run, const Term& first_level) {
  const std::string name = routine_name(run, "WE", first_level);
  const Term user_return = tl({vtok("nUserReturn"), op("="), ntok(1)});
  const Term no_loc = tl({fn("null"), vtok("wjLoc"), op(")")});
  bool ok = begin_local_routine(run, atom(name), Term::nil(), {});
  ok = ok && do_case_begin(run) && do_case_case(run, user_return, {}) &&
       redirect(run, tl({vtok("sCallerURL")})) && do_case_case(run, no_loc, {}) &&
       assign(run, refresh_flag(num(0)), tl({tok("true", kTokConstant)})) &&
       call(run, "Refresh");
  ok = ok && do_case_begin(run) && do_case_case(run, user_return, {}) &&
       redirect(run, tl({vtok("sCallerURL")})) && do_case_case(run, no_loc, {}) &&
       gen_page_end(run) && do_case_otherwise(run) && redirect(run, tl({vtok("wjLoc")})) &&
       do_case_end(run);
  ok = ok && do_case_otherwise(run) && redirect(run, tl({vtok("wjLoc")})) && do_case_end(run);
  return ok && end_function(run, name, "0");
}

bool gen_pa(Run& run, const Term& first_level) {
  const std::string name = routine_name(run, "PA", first_level);
  bool ok = begin_local_routine(run, atom(name), Term::nil(), {}) &&
            gen_web_parm_reads(run, web_static_generation(run));
  ok = ok && gen_initial_properties(run);
  return ok && end_function(run, name, "0");
}

// The load of a subfile's level: each line read is a row of the page's
// table, written where the page shows the subfile (the caller is WB).
bool gen_subfile_load(Run& run, const Term& level, const Term& sub) {
  const std::string n = std::to_string(sub.arg(3).arg(1).as_int());
  const std::string idx = sfl_idx_var(n), cidx = sfl_char_index_var(n);
  bool ok = declare(run, idx, "int", 4, tl({ntok(0)})) && declare(run, cidx, "char", 25, Term::nil());
  const Term table = level_base_table(run, level);
  const bool navigates = !(table.is_int() && table.as_int() == 0);
  if (navigates) gen_level_body(run, atom("nvg"), level, Term::nil(), Term::nil(), Term::nil(), Term::nil());
  ok = ok && assign(run, idx, tl({vtok(idx), op("+"), ntok(1)})) &&
       assign(run, cidx, tl({fn("padl"), fn("ltrim"), fn("str"), vtok(idx), op(","), ntok(4),
                             op(")"), op(")"), op(","), ntok(4), op(","), stok("0"), op(")")})) &&
       gen_grid_row(run, sub) && gen_user_event(run, atom("Load"), level);
  if (navigates) {
    const bool bottom = bottom_nvg_level(run, level, table) == level;
    ok = gen_level_close(run, atom("nvg"), level, atom(bottom ? "yes" : "no")) && ok;
  }
  return ok;
}

bool gen_refresh(Run& run, const Term& first_level) {
  // One refresh routine per subfile or main level; Refresh calls those
  // of the main levels: a subfile's level is refreshed where the page shows
  // the subfile.
  const std::vector<Term> levels = sfl_or_main_lvl(run);
  bool ok = begin_local_routine(run, atom("Refresh"), Term::nil(), {});
  for (const Term& l : main_lvls(run)) {
    if (level_subfile(run, l)) continue;
    ok = ok && call(run, routine_name(run, "RF", l));
  }
  // The page itself, for a panel whose levels do not write it (none has a
  // load of its own); once written, the call writes nothing.
  ok = ok && call(run, routine_name(run, "WB", first_level)) && end_function(run, "Refresh", "0");
  for (const Term& l : levels) {
    const std::string name = routine_name(run, "RF", l);
    ok = ok && begin_local_routine(run, atom(name), Term::nil(), {}) &&
         gen_user_event(run, atom("Refresh"), l);
    ok = ok && emit_comment(run, {"Load Method"});
    auto sub = level_subfile(run, l);
    if (sub && sub->arg(3).arg(1).is_int()) {
      ok = ok && gen_subfile_load(run, l, *sub) &&
           assign(run, "wbEnd", tl({ntok(sub->arg(3).arg(1).as_int())}));
    } else {
      ok = ok && gen_level_load(run, Term::nil(), l, Term::nil(), Term::nil());
    }
    ok = ok && call(run, routine_name(run, "WB", first_level)) && end_function(run, name, "0");
  }
  return ok;
}

}  // namespace

bool gen_web_main(Run& run, const Term& kind, const Term& first_level) {
  (void)kind;
  if (!web_or_http_main(run)) return true;
  return gen_wb(run, first_level) && gen_ws(run, first_level) && gen_we(run, first_level) &&
         gen_pa(run, first_level) && gen_refresh(run, first_level);
}

}  // namespace qn::logic::web
