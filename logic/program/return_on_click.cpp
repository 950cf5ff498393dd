#include "logic/program/return_on_click.h"

#include <string>
#include <vector>

#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/sql/optimised_commands.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

constexpr int64_t kCodeReturn = 118;

std::optional<int64_t> code_of(const Term& t) {
  if (!t.is_compound() || t.arity() < 2 || !t.arg(2).is_int()) return std::nullopt;
  return t.arg(2).as_int();
}

// The header line of the Enter event: its number and level.
std::optional<std::pair<int64_t, Term>> enter_event(Run& run) {
  for (const Term& f : run.facts().clauses("b_line_i", 6)) {
    if (!f.arg(1).is_int() || !f.arg(6).is_list()) continue;
    const auto t = f.arg(6).list_items();
    if (t.size() >= 2 && code_of(t[0]) == kSubStart && code_of(t[1]) == kTokConstant &&
        text_of(t[1].arg(1)) == "Enter") {
      return std::pair{f.arg(1).as_int(), f.arg(2)};
    }
  }
  return std::nullopt;
}

std::vector<Term> lit_groups(Run& run, const Term& level) {
  std::vector<Term> out;
  for (const Term& g : run.facts().clauses("b_group_i", 6)) {
    if (g.arg(1) == level && g.arg(3) == "lit") out.push_back(g.arg(2));
  }
  return out;
}

std::string name_key(const Term& t) { return platform::upper_1252(text_of(t)); }

}  // namespace

std::optional<Term> return_on_click_lines(Run& run) {
  if (auto known = run.facts().first(fact("return_on_click_i", {Term::cons(var(), var())}))) {
    return known->arg(1).head();
  }
  auto event = enter_event(run);
  if (!event) return std::nullopt;
  const auto& [line, level] = *event;
  BlockScan scan{line + 1, level, {}, lit_groups(run, level), {}, {kSubEnd}, {}};
  scan.patterns = {{{kCodeAssign}, {kTokVariable}, {kTokCompare, -1, "="}, {kTokAttribute}}, {{kCodeReturn}}};
  std::vector<Term> statements;
  if (!group_stmts_nav(run, scan, statements) || statements.empty()) return std::nullopt;
  if (code_of(statements.back().list_items()[0]) != kCodeReturn) return std::nullopt;
  // (variable, attribute) of each assignment, in line order.
  std::vector<std::pair<std::string, Term>> pairs;
  for (const Term& s : statements) {
    const auto t = s.list_items();
    if (t.size() != 4) continue;  // the return
    pairs.emplace_back(name_key(t[1].arg(1)), t[3].arg(1));
  }
  std::vector<Term> attributes;
  const auto parms = get_pgm_parms(run).list_items();
  for (const Term& p : parms) {
    const Term& name = p.is_cons() ? p.head() : p;
    for (const auto& [variable, att] : pairs) {
      if (variable == name_key(name)) {
        attributes.push_back(att);
        break;
      }
    }
  }
  if (attributes.empty() || attributes.size() != parms.size()) return std::nullopt;
  const Term list = Term::list(attributes);
  run.facts().asserta(fact("return_on_click_i", {Term::list({list})}));
  return list;
}

bool row_return_link(Run& run, const Term& level, const Term& subfile) {
  if (!spec_kind_in(run, {"web", "scr"})) return true;
  const auto attributes = return_on_click_lines(run);
  if (!attributes) return true;
  const Run::HostStandIn* call = run.host_stand_in("gen_row_return_call", 3);
  std::vector<Term> args{level, subfile, *attributes};
  return call && (*call)(run, args);
}

}  // namespace qn::logic
