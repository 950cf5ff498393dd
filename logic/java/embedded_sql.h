// The Java calls of embedded SQL statements: each statement is recorded as
// an embedded cursor (embsql_cursor_i/2, turned into a cursor class at the
// program's end), with the objects it needs declared; data-object
// statements of a level set their attributes and call insert, update or
// delete; status tests, commit and rollback.
//
//   embsql_cursor_i(Cursor, [SQLText, Tables, Mode, Tables, Parameters, Kind, Context])
//
// SQLText is the statement as a Java string literal; Parameters the program
// values of its "?" markers in marker order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// sql_dquote/2: the SQL text as a Java string literal.
std::string sql_dquote(std::string_view sql);

// gen_sql_select_call/11: a SELECT (mode s; Kind d makes it dyn).
bool gen_sql_select_call(Run& run, std::string_view cursor, const engine::Term& table,
                         const engine::Term& tables, std::string_view sql,
                         const std::vector<engine::Term>& params, std::string_view kind,
                         const engine::Term& context);

// One attribute an insert or update assigns: the attribute and its value
// token (a variable, an attribute or a constant); an empty value list
// ([]) means the attribute's own auxiliary variable.
struct SqlAssign {
  engine::Term att;
  engine::Term value;
};

// gen_sql_cursor_stmt/9: any other statement (mode n). Kind ins, upd, dlt,
// call, dclcall or d (dynamic).
bool gen_sql_cursor_stmt(Run& run, const engine::Term& level, std::string_view cursor,
                         std::string_view kind, const engine::Term& table, std::string_view sql,
                         const std::vector<engine::Term>& params,
                         const std::vector<SqlAssign>& assigns, const engine::Term& context);

// gen_sql_stmt_call/7: the status test of a statement as a Java condition.
// Test is a method call ("eof()") or a status number; "=" and "==" test
// equality, "<>" and "!=" its negation.
std::string gen_sql_stmt_call(Run& run, std::string_view cursor, std::string_view kind,
                              const engine::Term& table, std::string_view test, std::string_view op);

// select_one_cursor/3: Cursor.readNext();
bool select_one_cursor(Run& run, std::string_view cursor);

// emit_app_commit/1, emit_app_rollback/1 (data-store name).
bool emit_app_commit(Run& run, std::string_view store);
bool emit_app_rollback(Run& run, std::string_view store);
// is_data_cmd/1.
inline bool is_data_cmd(std::string_view cmd) { return cmd == "qndata"; }

// gen_crtjdbccalls/0: with stored procedures in the model, the class
// crtjdbccalls (its own source) whose execute() drops and creates each
// stored procedure, commits and exits; without them nothing is written.
bool gen_crtjdbccalls(Run& run, int64_t model);

// The data object of a table, declared (kind s) on first use.
std::optional<std::string> declare_table_object(Run& run, const engine::Term& table);

}  // namespace qn::logic
