// What the Java frame and its variables need from the expression
// translator and the generators of later subsystems. The bodies here fail
// until those generators are written; each fills its own.
#pragma once

#include <optional>
#include <string>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// assign_var/2 (Name, Value): the assignment of an initial value.
bool assign_var(Run& run, const engine::Term& name, const engine::Term& value);
// The Java name of the variable token of an is_i/2 expression.
std::optional<std::string> translate_var_token(Run& run, const engine::Term& token);
// att_ref_name/4 (Attribute, Table, "->", Reference): a table-qualified column.
std::optional<std::string> att_ref_name(Run& run, const engine::Term& att,
                                        const engine::Term& table, std::string_view arrow);
// The reference of a variable of the current subfile element.
std::optional<std::string> subfile_element_ref(Run& run, const engine::Term& name);

// http_main_pgm/0: a main program called over HTTP.
bool http_main_pgm(Run& run);
// A procedure that can be called remotely.
bool remote_procedure(Run& run);

}  // namespace qn::logic
