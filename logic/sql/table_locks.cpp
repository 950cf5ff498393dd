#include "logic/sql/table_locks.h"

#include <string>

#include "logic/core/dbms_caps.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/sql/sql_statements.h"

namespace qn::logic {

using engine::Term;

namespace {

std::string qualified(Run& run, const Term& table, const Term& name) {
  return tbl_qualified_name(run, table, tbl_ext_name(run, table, text_of(name)));
}

}  // namespace

std::optional<std::string> lock_table_text(Run& run, const Term& table, const Term& name) {
  if (!lock_table_ok(run, table)) return std::nullopt;
  return "LOCK TABLE " + qualified(run, table, name) + " IN EXCLUSIVE MODE" +
         nowait_clause(run, table);
}

std::optional<std::string> unlock_table_text(Run& run, const Term& table, const Term& name) {
  if (!unlock_table_ok(run, table)) return std::nullopt;
  return "UNLOCK TABLE " + qualified(run, table, name);
}

// Both statements run without a transaction bracket around them (commit
// y): an end and a new begin of the transaction around LOCK TABLE would
// give the lock up at once.
bool gen_lock_table(Run& run, const Term& table, const Term& mode, const Term& name) {
  const auto text = lock_table_text(run, table, name);
  if (!text) return true;
  return gen_exec_immediate(run, *text, mode == "n" ? "FNF;ULCK" : "ULCK", "y");
}

bool gen_unlock_table(Run& run, const Term& table, const Term& name) {
  const auto text = unlock_table_text(run, table, name);
  if (!text) return true;
  return gen_exec_immediate(run, *text, "ULCK", "y");
}

}  // namespace qn::logic
