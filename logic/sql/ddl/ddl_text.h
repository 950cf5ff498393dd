// Statement texts of the DDL writers, written as the SQL they make:
//
//   sql("CREATE TABLE $name$ ($columns$)", {{"name", q}, {"columns", cols}})
//
// "$x$" is the value given for x; a hole without a value is a programming
// error and throws std::logic_error. Also here: the checks every writer
// makes before it writes anything, so a bad name or attribute gives a
// message in the run's error log and no half-written statement.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic::ddl {

using SqlVars = std::vector<std::pair<std::string_view, std::string>>;

std::string sql(std::string_view text, const SqlVars& vars);

// Texts joined by a separator.
std::string joined(const std::vector<std::string>& parts, std::string_view separator);

// A name that can stand in a statement as it is: not empty, no quote of
// either kind, no blank or control character.
bool plain_name(std::string_view name);

// Writes "<what>: <why>" to the run's error log (the error box of the run)
// and answers false, so a writer can `return bad_input(...)`.
bool bad_input(Run& run, std::string_view what, std::string_view why);

// The name checked by plain_name/1, else reported.
bool check_name(Run& run, std::string_view what, std::string_view name);

}  // namespace qn::logic::ddl
