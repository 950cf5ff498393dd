// Error handlers of a program and the error context of its SQL statements.
// A program has an error handler when it names a default handler (the rule
// a(30, [Name]) with a Name other than '') or holds an error-handler
// command anywhere (a cmd line whose first token has code 160). While it
// has one, every SQL statement sets Qnoper (the operation) and Qnerrtbl
// (the first table) just before it runs, so the handler can tell what
// failed.
#pragma once

#include <optional>
#include <string>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

inline constexpr int64_t kErrhCmd = 160;

// default_errh/1: the default handler's name, upper-cased.
std::optional<std::string> default_errh(Run& run);
// has_errh_cmd/0.
bool has_errh_cmd(Run& run);
// set_oper_ctx/1 (Operation): Qnoper = Operation when the program has an
// error handler, else nothing. The variable is recorded for declaration.
bool set_oper_ctx(Run& run, const engine::Term& operation);
// set_errtbl_ctx/1 (Tables): Qnerrtbl = the short name of the first table,
// on the same terms.
bool set_errtbl_ctx(Run& run, const engine::Term& tables);
// The handler an error-handler command names: the text of the token after
// the code when it is a string (its quotes removed), else ''.
std::string errh_cmd_name(const engine::Term& tokens);
// errh_routine/2 (Context, Name): the lines of an error-handler command.
// With a name: "// Set error handler to <Name>" and QNCSERH = the routine
// name of the handler; without one (a reset): QNCSERH = the default
// handler's routine name ("" without a default handler) and the comment
// "// Reset error handler". QNCSERH is recorded for declaration.
bool errh_routine(Run& run, const engine::Term& context, const engine::Term& name);

}  // namespace qn::logic
