#include "logic/navigation/commit_points.h"

#include <unordered_set>
#include <vector>

#include "logic/core/dbms_caps.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/sql/sql_statements.h"
#include "logic/program/expressions.h"

namespace qn::logic {

using engine::Term;

namespace {

constexpr int64_t kCommitCode = 132;
constexpr int64_t kRollbackCode = 157;

Term tok(const Term& value, int64_t kind) { return fact("t", {value, num(kind)}); }

bool updates(Run& run, const Term& level) {
  return run.facts().exists(fact("upd_i", {level, var(), atom("u"), var()})) ||
         run.facts().exists(fact("upd_i", {level, var(), atom("d"), var()}));
}

std::optional<Term> parent_of(Run& run, const Term& level) {
  auto s = run.facts().first(fact("struct_i", {level, var(), var(), var()}));
  if (!s || s->arg(2) == level) return std::nullopt;
  return s->arg(2);
}

// The level holds a command of the code, in itself or a sublevel: some
// command line's level has the level among itself and its ancestors.
bool holds_command(Run& run, const Term& level, int64_t code) {
  for (const Term& b : run.facts().clauses("b_line_i", 6)) {
    if (!(b.arg(4) == "cmd") || !b.arg(6).is_cons()) continue;
    const Term& first = b.arg(6).head();
    if (!first.is_compound() || first.arity() < 2 || !(first.arg(2) == num(code))) continue;
    std::optional<Term> at = b.arg(2);
    std::unordered_set<std::string> seen;  // a cycle of struct_i/4 ends the walk
    while (at && seen.insert(text_of(*at)).second) {
      if (*at == level) return true;
      at = parent_of(run, *at);
    }
  }
  return false;
}

bool holds_any(Run& run, const Term& level) {
  return holds_command(run, level, kCommitCode) || holds_command(run, level, kRollbackCode);
}

}  // namespace

bool gen_commit_point(Run& run, int64_t kind) { return gen_trn_stmt(run, kind); }

bool gen_pgm_commit(Run& run) {
  if (!needs_commit(run)) return true;
  for (const char* op : {"u", "d", "i"}) {
    if (run.facts().exists(fact("upd_i", {var(), var(), atom(op), var()})))
      return gen_commit_point(run, 1);
  }
  return true;
}

std::string commit_var_name(Run& run, const Term& level) {
  return pgm_unique_name(run, "QNT", text_of(level));
}

bool declare_commit_var(Run& run, const Term& level) {
  if (!trn_logging(run) || !updates(run, level) || !holds_any(run, level)) return true;
  return declare_var(run, atom(commit_var_name(run, level)),
                     Term::list({atom("int"), num(2), num(0), num(0)}), "s",
                     Term::list({tok(atom("0"), kTokConstant)}));
}

bool gen_commit_cmd(Run& run, const Term& level, int64_t kind) {
  if (!trn_logging(run)) return true;
  // The nearest updating level at or above the command defers it.
  std::optional<Term> at = level;
  std::unordered_set<std::string> seen;
  while (at && seen.insert(text_of(*at)).second) {
    if (updates(run, *at))
      return assign_var(run, atom(commit_var_name(run, *at)),
                        Term::list({tok(num(kind), kTokConstant)}));
    at = parent_of(run, *at);
  }
  return gen_commit_point(run, kind);
}

bool gen_level_commit(Run& run, const Term& level, int64_t kind) {
  if (!trn_logging(run) || !updates(run, level) ||
      !holds_command(run, level, kind == 1 ? kCommitCode : kRollbackCode))
    return true;
  const Term cond = Term::list({tok(atom(commit_var_name(run, level)), kTokVariable),
                                tok(atom("="), kTokCompare), tok(num(kind), kTokConstant)});
  return emit_if(run, cond, {}) && gen_commit_point(run, kind) && emit_close_brace(run);
}

}  // namespace qn::logic
