#include "logic/sql/table_locks.h"

#include <string>

#include "logic/core/dbms_caps.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/sql/stand_ins_sqlopt.h"

namespace qn::logic {

using engine::Term;

namespace {

std::string qualified(Run& run, const Term& table, const Term& name) {
  return tbl_qualified_name(run, table, tbl_ext_name(run, table, text_of(name)));
}

}  // namespace

// Both statements run without a transaction bracket around them (commit
// y): an end and a new begin of the transaction around LOCK TABLE would
// give the lock up at once.
bool gen_lock_table(Run& run, const Term& table, const Term& mode, const Term& name) {
  if (!lock_table_ok(run, table)) return true;
  const std::string text = "LOCK TABLE " + qualified(run, table, name) + " IN EXCLUSIVE MODE" +
                           nowait_clause(run, table);
  return sqlopt::gen_exec_immediate(run, str(text), str(mode == "n" ? "FNF;ULCK" : "ULCK"),
                                    atom("y"));
}

bool gen_unlock_table(Run& run, const Term& table, const Term& name) {
  if (!unlock_table_ok(run, table)) return true;
  return sqlopt::gen_exec_immediate(run, str("UNLOCK TABLE " + qualified(run, table, name)),
                                    str("ULCK"), atom("y"));
}

}  // namespace qn::logic
