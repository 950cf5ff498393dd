// What the transaction routines share to write their code: token lists of
// the conditions and assignments they build (translated by the expression
// writer like any rule's), routine starts and ends, calls and messages.
// Private to logic/program's transaction files.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"

namespace qn::logic::trn {

inline engine::Term tk(std::string_view text, int64_t kind) { return fact("t", {atom(text), num(kind)}); }
// A variable, an attribute, a constant, an operator.
inline engine::Term tv(std::string_view name) { return tk(name, kTokVariable); }
inline engine::Term ta(const engine::Term& att) { return fact("t", {att, num(kTokAttribute)}); }
inline engine::Term tc(std::string_view text) { return tk(text, kTokConstant); }
// "Name = Value", "Name <> Value" as conditions.
engine::Term is(std::string_view name, std::string_view value);
engine::Term is_not(std::string_view name, std::string_view value);
// Conditions joined by a logical operator (".AND.", ".OR."); one is itself.
engine::Term joined(const std::vector<engine::Term>& conds, std::string_view op);

// A routine of its own (begin_local_routine/3 ... end_routine/1).
bool routine_begin(Run& run, const std::string& name);
bool routine_end(Run& run);
// The call of a routine without arguments.
bool call(Run& run, const std::string& name);
// if (Cond) { ... the caller closes with close().
bool if_(Run& run, const engine::Term& cond);
bool else_(Run& run);
bool close(Run& run, int n = 1);
bool while_(Run& run, const engine::Term& cond);
// Name = Value (a constant text or a variable token list).
bool set(Run& run, std::string_view name, std::string_view constant);
bool set_toks(Run& run, std::string_view name, const engine::Term& tokens);
bool comment(Run& run, std::string_view text);
// The Java of qnmsg(<key>), and an error or status message of it.
std::string qnmsg(Run& run, std::string_view key);
bool error_msg(Run& run, std::string_view key, const engine::Term& atts = engine::Term::nil());
bool status_msg(Run& run, std::string_view key);
// The DO CASE statement.
bool case_begin(Run& run);
bool case_when(Run& run, const engine::Term& cond);
bool case_otherwise(Run& run);
bool case_end(Run& run);

}  // namespace qn::logic::trn
