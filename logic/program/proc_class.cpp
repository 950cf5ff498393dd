#include "logic/program/proc_class.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/clause_io.h"
#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/commands.h"
#include "logic/java/java_naming.h"
#include "logic/java/remote_calls.h"
#include "logic/javaui/data_views.h"
#include "logic/javaui/main_method.h"
#include "logic/program/expressions.h"
#include "logic/program/program_calls.h"
#include "logic/program/program_frame.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_start.h"
#include "logic/navigation/vert_formulas.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/pending.h"
#include "logic/toolbox/print_blocks.h"
#include "logic/toolbox/report_end.h"
#include "logic/toolbox/report_print.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool main_object(Run& run) { return is_main_object(run) || pgmtype_main(run); }

// The entry routine: the navigation's, else the class of a main or callable
// program started here.
bool program_entry(Run& run, const Term& name, const std::vector<Term>& parms) {
  if (gen_pgm_entry(run, name)) return true;
  return gen_routine_start(run, main_object(run) ? "m" : "p", name, Term::list({}), parms);
}

// Every top navigation of the program (break_i/5 under level 0) and every
// group of level 0 itself (b_group_i/6, its lines printed as a level of
// kind rpt prints them), in the main routine, in the order of their first
// lines (a level's own or its levels'; one without lines keeps its place
// after the one before it).
void top_navigations(Run& run, const std::string& routine) {
  auto& facts = run.facts();
  const Term zero = num(0);
  // The first line of each level, and the first line of each level-0 group.
  std::unordered_map<std::string, int64_t> first_of_level, first_of_group, last_of_group;
  for (const Term& l : facts.clauses("b_line_i", 6)) {
    if (!l.arg(1).is_int()) continue;
    const int64_t n = l.arg(1).as_int();
    auto keep = [n](std::unordered_map<std::string, int64_t>& m, const std::string& key) {
      auto [it, fresh] = m.try_emplace(key, n);
      if (!fresh) it->second = std::min(it->second, n);
    };
    keep(first_of_level, engine::write(l.arg(2)));
    if (l.arg(2) == zero) {
      keep(first_of_group, engine::write(l.arg(3)));
      auto [it, fresh] = last_of_group.try_emplace(engine::write(l.arg(3)), n);
      if (!fresh) it->second = std::max(it->second, n);
    }
  }
  // The levels under each level.
  std::unordered_map<std::string, std::vector<std::string>> below;
  for (const Term& b : facts.clauses("break_i", 5)) {
    if (!(b.arg(1) == b.arg(3))) below[engine::write(b.arg(3))].push_back(engine::write(b.arg(1)));
  }
  auto subtree_first = [&](const std::string& top) {
    std::optional<int64_t> first;
    std::vector<std::string> todo{top};
    std::unordered_set<std::string> seen;
    while (!todo.empty()) {
      const std::string l = todo.back();
      todo.pop_back();
      if (!seen.insert(l).second) continue;
      if (auto f = first_of_level.find(l); f != first_of_level.end())
        first = first ? std::min(*first, f->second) : f->second;
      if (auto k = below.find(l); k != below.end()) todo.insert(todo.end(), k->second.begin(), k->second.end());
    }
    return first;
  };
  struct Piece {
    int64_t first;
    Term fact;  // break_i/5 or b_group_i/6
  };
  std::vector<Piece> pieces;
  auto add = [&](std::optional<int64_t> first, const Term& f) {
    pieces.push_back({first.value_or(pieces.empty() ? INT64_MIN : pieces.back().first), f});
  };
  for (const Term& b : facts.clauses("break_i", 5)) {
    if (b.arg(3).is_int() && b.arg(3).as_int() == 0) add(subtree_first(engine::write(b.arg(1))), b);
  }
  for (const Term& g : clauses_by_arg(run, "b_group_i", 6, 1, zero)) {
    auto f = first_of_group.find(engine::write(g.arg(2)));
    add(f == first_of_group.end() ? std::nullopt : std::optional<int64_t>(f->second), g);
  }
  std::stable_sort(pieces.begin(), pieces.end(),
                   [](const Piece& a, const Piece& b) { return a.first < b.first; });
  auto level_of = [&](const Piece& p) {
    gen_level_kind(run, p.fact.arg(2), p.fact.arg(1), atom("true"), str(routine), Term::list({}));
  };
  // A level whose first line stands among the lines of a lit group (a FOR
  // EACH among a subroutine's lines) runs there, between the lines before
  // and after it: after the group, it would stand outside any method.
  std::vector<size_t> levels;  // by first line, as sorted
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].fact.functor() == "break_i") levels.push_back(i);
  }
  std::vector<char> inside(pieces.size());
  std::unordered_map<size_t, std::vector<Term>> items_of;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const Term& f = pieces[i].fact;
    if (f.functor() != "b_group_i" || !(f.arg(3) == "lit")) continue;
    // Only a group with a level's first line within its lines is split.
    auto last = last_of_group.find(engine::write(f.arg(2)));
    if (last == last_of_group.end()) continue;
    auto within = std::upper_bound(levels.begin(), levels.end(), pieces[i].first,
                                   [&](int64_t n, size_t k) { return n < pieces[k].first; });
    if (within == levels.end() || pieces[*within].first >= last->second) continue;
    std::vector<Term> items = rpt_group_items(run, zero, f.arg(2));
    if (items.size() < 2) continue;
    const Term lo = items.front().list_items()[1], hi = items.back().list_items()[1];
    if (!lo.is_int() || !hi.is_int()) continue;
    auto at = std::upper_bound(levels.begin(), levels.end(), lo.as_int(),
                               [&](int64_t n, size_t k) { return n < pieces[k].first; });
    bool any = false;
    for (; at != levels.end() && pieces[*at].first < hi.as_int(); ++at) inside[*at] = any = true;
    if (any) items_of.emplace(i, std::move(items));
  }
  for (size_t i = 0; i < pieces.size(); ++i) {
    const Piece& p = pieces[i];
    const Term& f = p.fact;
    if (inside[i]) continue;
    if (f.functor() == "break_i") {
      level_of(p);
      continue;
    }
    auto split = items_of.find(i);
    if (split == items_of.end()) {
      gen_print_block(run, zero, f.arg(2), f.arg(3), Term::nil(), atom("true"), str(routine),
                      Term::list({}));
      continue;
    }
    const std::vector<Term>& items = split->second;
    const int64_t last = items.back().list_items()[1].as_int();
    auto at = std::upper_bound(levels.begin(), levels.end(), items.front().list_items()[1].as_int(),
                               [&](int64_t n, size_t k) { return n < pieces[k].first; });
    std::vector<Term> run_of;
    for (const Term& item : items) {
      const Term n = item.list_items()[1];
      for (; at != levels.end() && pieces[*at].first < last && n.is_int() &&
             pieces[*at].first < n.as_int();
           ++at) {
        if (!inside[*at]) continue;
        rpt_print_items(run, run_of, true, zero, atom("true"), str(routine), Term::list({}));
        run_of.clear();
        level_of(pieces[*at]);
      }
      run_of.push_back(item);
    }
    rpt_print_items(run, run_of, true, zero, atom("true"), str(routine), Term::list({}));
  }
}

}  // namespace

bool gen_proc_object(Run& run, int64_t model, int64_t number, const Term& spec) {
  const auto items = spec.list_items();
  if (items.size() < 3) return false;
  const Term& kind = items[0];
  const Term& name = items[2];
  auto& facts = run.facts();
  facts.abolish("level_info_i", 2);
  set_pgm_id(run, number, kind, name);
  set_current_pgm(run, number, kind, name);
  const std::string cls = kind_pgm_name(run, text_of(name));
  // What each subroutine, event and the page footer prints, once for the
  // object: a subroutine's method declares it.
  facts.abolish("in_sub_i", 1);
  analyse_print_blocks(run);
  // The program's source, as the program start opens it.
  if (!class_source_file(run, model, cls, cls, "inm")) return false;
  // A parameter rule that holds no list fails the object: it is not taken
  // for a program without parameters.
  const Term parm_rule = get_pgm_parms(run);
  if (!parm_rule.is_nil() && !parm_rule.is_cons()) return close_output(run) && false;
  const std::vector<Term> parms = parm_rule.list_items();
  pgm_header_comment(run, cls, "/*", "", "*/");
  bool ok = gen_imports(run, text_of(kind)) && program_entry(run, name, parms) &&
            gen_main_method(run, cls, parms) && gen_constructor(run, cls) &&
            gen_remote_proc_stub(run) && gen_execute_int(run, cls) &&
            emit_comment(run, {"Quenora formulas"}) &&
            emit_comment(run, {"Output device settings"});
  const bool report = has_print_lines(run);
  if (ok && report) ok = gen_rpt_vars(run, num(0), Term::list({}), Term::list({}));
  if (!ok) return close_output(run) && false;

  facts.abolish("endpgm_i", 0);
  facts.abolish("level_i", 1);
  facts.assertz(fact("level_i", {num(0)}));
  const std::string routine = pgm_unique_name(run, "H", "0");
  facts.abolish("rpt_deferred_i", 2);
  top_navigations(run, routine);
  ok = gen_pgm_end(run);
  // The subroutines and events met inside a navigation follow the main
  // routine.
  ok = rpt_deferred_routines(run, atom("true"), str(routine), Term::list({})) && ok;
  // A subroutine without its end line names no table object after it.
  facts.abolish("in_sub_i", 1);
  if (ok && report) {
    const std::string throws = "throws ProcessInterruptedException";
    for (const auto& [method, which] : {std::pair{"printHeaders", "page"}, {"printFooters", "foot"}}) {
      ok = ok && Out(run).pieces({std::string("protected void ") + method + "() " + throws})
                     .open("{")
                     .ok();
      ok = ok && rpt_break_groups(run, num(0), atom(which), Term::list({})) &&
           emit_method_end(run);
    }
  }
  select_formula_auxs(run, num(0));
  ok = ok && level_vert_formulas(run, num(0)) && gen_ref_classes(run) && gen_do_ask(run);
  if (ok && http_main_pgm(run)) {
    ok = gen_http_web_execute(run);
  }
  if (!ok) return close_output(run) && false;
  ok = gen_program_end(run);
  if (ok && main_object(run)) ok = object_class_file(run, model, kind, name);
  return ok;
}

bool object_class_file(Run& run, int64_t model, const Term& kind, const Term& program) {
  // The class's own name: a program listed as a main program is named by
  // its main letter, and so is its page.
  (void)kind;
  const std::string cls = platform::lower_1252(kind_pgm_name(run, text_of(program)));
  std::string prefix;
  if (auto p = pgm_prop_value(run, "PACKAGE"); p && !p->empty()) prefix = *p + ".";
  return applet_page(run, model, prefix + cls + ".class", cls + ".htm");
}

bool applet_page(Run& run, int64_t model, std::string_view class_reference,
                 std::string_view page_name) {
  if (!open_model_output(run, model, page_name)) return false;
  const std::string archive = pgm_prop_value(run, "ARCHIVE").value_or("");
  std::string description;
  if (auto spec = run.facts().first(fact("spec_i", {var()}))) {
    const auto items = spec->arg(1).list_items();
    if (items.size() > 2) description = text_of(items[2]);
  }
  const Term values = Term::list({
      str(class_reference),
      str("619"),
      str(archive.empty() ? "" : "," + archive),
      str("archive=\\\"" + archive + "\\\""),
      str(description),
      str("," + archive),
  });
  if (!i_ptemplatenocol(run, str("html.tpl"), num(0), num(0), values)) {
    trace_msg(run, {"Error generating HTML"});
    return close_output(run);
  }
  Out out(run);
  out.pieces({"if (!isNetscape(4))"}).open("{");
  out.pieces({"document.writeln(\"</applet>\");"}).close("}");
  out.pieces({"</script>"}).pieces({"</html>"});
  return out.ok() && close_output(run);
}

}  // namespace qn::logic
