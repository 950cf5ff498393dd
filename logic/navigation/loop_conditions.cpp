#include "logic/navigation/loop_conditions.h"

#include <algorithm>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/table_access.h"
#include "logic/program/expressions.h"
#include "logic/sql/cursors.h"
#include "logic/sql/sql_statements.h"

namespace qn::logic {

using engine::Term;

namespace {

// Conditions are joined five to a test.
constexpr size_t kCondsPerTest = 5;

std::string joined(const std::vector<std::string>& conds, size_t from, size_t to) {
  std::string s;
  for (size_t i = from; i < to; ++i) s += (i > from ? " && " : "") + conds[i];
  return s;
}

}  // namespace

std::optional<std::string> on_where(Run& run, const Term&, const Term&, const Term& where) {
  if (!where.is_list() || where.is_nil()) return std::nullopt;
  std::string s;
  for (const std::string& p : cond_to_java(run, where, {})) s += (s.empty() ? "" : " ") + p;
  // An OR keeps its own parentheses among the "&&" of the loop test.
  if (s.find("||") != std::string::npos) return "(" + s + ")";
  return s;
}

bool gen_nav_loop_cond(Run& run, const Term& kind, const Term& table, const Term& level,
                       const Term& extra) {
  if (kind != "many" && kind != "fst" && kind != "opt") return true;
  std::vector<std::string> conds{found_cond(run, table, level)};
  if (kind != "opt") {
    for (const Term& list : {level_element(run, level, 7), extra}) {
      for (const Term& w : list.list_items()) {
        if (auto c = on_where(run, table, level, w)) conds.push_back(*c);
      }
    }
  }
  Out out(run);
  // An "if" is no loop a break could leave: a first-record test takes
  // every condition in its header.
  const size_t head = kind == "fst" ? conds.size() : std::min(conds.size(), kCondsPerTest);
  out.pieces({std::string(kind == "fst" ? "if (" : "while (") + joined(conds, 0, head) + ")"})
      .open("{");
  for (size_t from = head; from < conds.size(); from += kCondsPerTest) {
    const size_t to = std::min(conds.size(), from + kCondsPerTest);
    out.pieces({"if (!(" + joined(conds, from, to) + "))"}).open("{");
    out.pieces({"if (true) break;"});
    out.close("}");
  }
  return out.ok();
}

bool check_level_tables(Run& run, const Term& tables, const Term&) {
  // A cursor that reads several of the tables is ended once.
  std::vector<std::string> done;
  bool ok = true;
  for (const Term& t : tables.list_items()) {
    const std::string c = cursor_info(run, t, Term::nil());
    if (c == "NoCurVarErr" || std::find(done.begin(), done.end(), c) != done.end()) continue;
    done.push_back(c);
    ok = end_cursor(run, Term::nil(), c) && ok;
  }
  return ok;
}

}  // namespace qn::logic
