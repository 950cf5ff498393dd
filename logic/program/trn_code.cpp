#include "logic/program/trn_code.h"

#include "logic/navigation/msg_actions.h"
#include "logic/program/expressions.h"
#include "logic/program/java_expr.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic::trn {

using engine::Term;

Term is(std::string_view name, std::string_view value) {
  return Term::list({tv(name), tk("=", kTokCompare), tc(value)});
}
Term is_not(std::string_view name, std::string_view value) {
  return Term::list({tv(name), tk("<>", kTokCompare), tc(value)});
}

Term joined(const std::vector<Term>& conds, std::string_view op) {
  std::vector<Term> out;
  for (const Term& c : conds) {
    if (!out.empty()) out.push_back(tk(op, kTokLogical));
    for (const Term& t : c.list_items()) out.push_back(t);
  }
  return Term::list(out);
}

bool routine_begin(Run& run, const std::string& name) {
  return begin_local_routine(run, atom(name), Term::nil(), {});
}
bool routine_end(Run& run) { return end_routine(run, "0"); }

// A routine of the program itself takes no arguments: its call is written
// at once, as gen_call_stmt/6 writes it, without asking whether the name is
// a system program's.
bool call(Run& run, const std::string& name) {
  return Out(run).pieces({platform::lower_1252(name) + "( )", ";"}).ok();
}

bool if_(Run& run, const Term& cond) { return emit_if(run, cond, {}); }
bool else_(Run& run) { return emit_else(run); }
bool close(Run& run, int n) { return emit_close_blocks(run, num(n)); }
bool while_(Run& run, const Term& cond) { return emit_while(run, cond, {}); }

bool set(Run& run, std::string_view name, std::string_view constant) {
  return assign_var(run, atom(name), Term::list({tc(constant)}));
}
bool set_toks(Run& run, std::string_view name, const Term& tokens) {
  return assign_var(run, atom(name), tokens);
}
bool comment(Run& run, std::string_view text) { return emit_comment(run, {Piece(text)}); }

std::string qnmsg(Run& run, std::string_view key) {
  const Term toks = Term::list({tk("qnmsg(", kTokFunction), tc("'" + std::string(key) + "'"),
                                tk(")", kTokClose)});
  auto java = exp_to_java(run, toks, {});
  return java ? join_pieces(java->pieces) : std::string("\"\"");
}
bool error_msg(Run& run, std::string_view key, const Term& atts) {
  return gen_error_msg(run, str(qnmsg(run, key)), atts);
}
bool status_msg(Run& run, std::string_view key) { return gen_status_msg(run, str(qnmsg(run, key))); }

bool case_begin(Run& run) { return do_case_begin(run); }
bool case_when(Run& run, const Term& cond) { return do_case_case(run, cond, {}); }
bool case_otherwise(Run& run) { return do_case_otherwise(run); }
bool case_end(Run& run) { return do_case_end(run); }

}  // namespace qn::logic::trn
