#include "logic/program/pgm_calls.h"

#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/spec_files.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/remote_calls.h"
#include "logic/java/variables.h"
#include "logic/program/debug_checks.h"
#include "logic/program/expressions.h"
#include "logic/program/system_programs.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

// The holder class of a type, outside a call of kind int.
std::optional<std::string> holder_of(Run& run, const OptType& t) {
  if (!t || t->type == "obj") return std::nullopt;
  return get_qnnum_obj(run, atom(t->type), t->length, t->decimals);
}

bool is_value_token(const std::vector<Term>& toks) {
  if (toks.size() != 1 || !toks[0].is_compound() || toks[0].arity() < 2) return false;
  const Term& kind = toks[0].arg(2);
  return kind.is_int() && (kind.as_int() == kTokAttribute || kind.as_int() == kTokVariable);
}

// pgm_parm_i/4 (ProgramUpper, Position, Mode, Type): the parameter modes of
// a generated program, compared ignoring case.
std::vector<char> program_modes(Run& run, std::string_view program) {
  std::vector<std::pair<int64_t, char>> found;
  const std::string upper = platform::upper_1252(program);
  for (const Term& f : run.facts().clauses("pgm_parm_i", 4)) {
    if (platform::upper_1252(text_of(f.arg(1))) != upper || !f.arg(2).is_int()) continue;
    const std::string mode = text_of(f.arg(3));
    found.push_back({f.arg(2).as_int(), mode.empty() ? 'u' : mode[0]});
  }
  std::sort(found.begin(), found.end());
  std::vector<char> modes;
  for (const auto& [pos, mode] : found) modes.push_back(mode);
  return modes;
}

}  // namespace

std::string call_program_name(std::string_view target) {
  std::string t(target);
  if (!t.empty() && (t.front() == '\'' || t.front() == '"')) t = t.substr(1);
  if (const auto q = t.find_first_of("'\""); q != std::string::npos) t = t.substr(0, q);
  if (!t.empty() && t.back() == '(') t.pop_back();
  return platform::lower_1252(t);
}

std::optional<CallArgs> gen_call_args(Run& run, std::string_view program, const Term& arg_tokens,
                                      std::string_view call_type, const ExprCtx& ctx) {
  auto& facts = run.facts();
  facts.abolish("call_type_i", 1);
  facts.assertz(fact("call_type_i", {atom(call_type)}));
  const auto system = system_program(run, program);
  const std::vector<char> modes = program_modes(run, program);
  CallArgs out;
  bool ok = true;
  Out lines(run);
  size_t position = 0;
  for (const std::vector<Term>& arg : split_arguments(run, arg_tokens)) {
    const Term toks = Term::list(arg);
    const auto java = exp_to_java(run, toks, ctx);
    if (!java) {
      ok = false;
      break;
    }
    const std::string text = join_pieces(java->pieces);
    char mode = 'u';
    OptType type = java->type;
    if (system) {
      if (position < system->parms.size()) {
        const SystemParm& p = system->parms[position];
        mode = p.mode;
        if (p.type != "any") {
          type = type_desc(p.type, p.length == 0 && java->type ? java->type->length : p.length,
                           p.decimals);
        }
      } else {
        mode = 'i';
      }
    } else if (position < modes.size()) {
      mode = modes[position];
    }
    ++position;
    // A generated program's execute takes value holders only, so an input
    // argument goes through a holder too; nothing comes back from it.
    const bool input = mode == 'i';
    if (input && system) {
      out.args.push_back(text);
      continue;
    }
    // A call of kind int passes no holders (get_qnnum_obj/4 fails then).
    const auto holder = holder_of(run, type);
    if (!holder) {
      out.args.push_back(text);
      continue;
    }
    const auto temp = temp_var(run, "u", Term::list({fact("obj", {str(*holder)}), num(0), num(0), num(1)}));
    if (!temp) {
      ok = false;
      break;
    }
    lines.pieces({*temp, "=", "new " + *holder + "(" + text + ");"});
    out.args.push_back(*temp);
    if (!input && is_value_token(arg)) out.move_back.push_back({text, *temp});
  }
  facts.abolish("call_type_i", 1);
  if (!ok || !lines.ok()) return std::nullopt;
  std::string joined;
  for (const std::string& a : out.args) joined += (joined.empty() ? "" : ", ") + a;
  out.call_expr = call_type == "ext"
                      ? "new " + std::string(program) + "(remoteHandle, context).execute( " +
                            joined + ")"
                      : std::string(program) + "( " + joined + ")";
  return out;
}

namespace {

// A call of the program a variable names (outside web objects): the
// arguments go in an Object array the runtime hands to the program it finds
// by name; what the callee gives back is moved back after the call.
bool gen_dynamic_call(Run& run, const Term& variable, const Term& arg_tokens,
                      const ExprCtx& ctx) {
  // The variable as the translator writes it, which also declares it.
  const auto target =
      exp_to_java(run, Term::list({fact("t", {variable, num(kTokVariable)})}), ctx);
  if (!target) return false;
  const std::string name = join_pieces(target->pieces);
  auto args = gen_call_args(run, name, arg_tokens, "ext", ctx);
  if (!args) return false;
  const std::string n = std::to_string(args->args.size());
  const std::string array = "callAux" + n;
  // A field of the class: it is filled just before the call.
  declare_var(run, atom(array), Term::list({fact("obj", {str("Object[]")}), num(0), num(0), num(0)}),
              "s", Term::nil());
  Out out(run);
  out.pieces({array, "= new Object[", n, "];"});
  for (size_t i = 0; i < args->args.size(); ++i) {
    out.pieces({array, "[", std::to_string(i), "] =", args->args[i], ";"});
  }
  auto package = pgm_prop_value(run, "PACKAGE");
  const std::string prefix = package && !package->empty() ? *package + "." : "";
  out.pieces({"QNutil.dynamicExecute(context, remoteHandle, getClass(), QNutil.getObjectName(",
              java_quoted(prefix), ",", name, ") ,", array, ");"});
  for (const auto& [ref, holder] : args->move_back) out.pieces({ref, "=", holder + ".getValue();"});
  if (!run.facts().exists(fact("extrn_pgm_ref_i", {str(name), var()}))) {
    run.facts().assertz(fact("extrn_pgm_ref_i", {str(name), Term::list({Term::list({}), arg_tokens})}));
  }
  return out.ok();
}

}  // namespace

namespace {

// Where a called program runs: the location (sixth element) of the
// main-program entry that names it by its class or its name, lower-cased;
// else empty.
std::string called_location(Run& run, std::string_view program) {
  const std::string want = platform::upper_1252(program);
  for (const Term& f : run.facts().clauses("pgm_main_i", 4)) {
    const auto info = f.arg(4).list_items();
    if (info.size() < 6) continue;
    if (platform::upper_1252(text_of(info[1])) == want ||
        platform::upper_1252(text_of(f.arg(3))) == want) {
      return platform::lower_1252(text_of(info[5]));
    }
  }
  return "";
}

// A remote call: the arguments are the caller's attributes and variables,
// packed from its fields and read back into them. An argument that is not
// an attribute or a variable has no field to take the value back: the call
// fails.
bool gen_rpc_call(Run& run, const std::string& program, const Term& arg_tokens,
                  const ExprCtx& ctx) {
  std::vector<RemoteArg> args;
  for (const std::vector<Term>& arg : split_arguments(run, arg_tokens)) {
    if (!is_value_token(arg)) return false;
    const auto java = exp_to_java(run, Term::list(arg), ctx);
    if (!java || !java->type || java->type->type == "obj") return false;
    const TypeDesc& t = *java->type;
    args.push_back({join_pieces(java->pieces),
                    Term::list({atom(t.type), num(t.length), num(t.decimals), num(t.flag)})});
  }
  if (!gen_remote_call_vars(run, program, java_quoted(called_location(run, program)), args)) {
    return false;
  }
  if (!Out(run).pieces({""}).ok()) return false;
  if (!run.facts().exists(fact("extrn_pgm_ref_i", {str(program), var()}))) {
    run.facts().assertz(fact("extrn_pgm_ref_i", {str(program), Term::list({Term::list({}), arg_tokens})}));
  }
  return true;
}

}  // namespace

bool gen_pgm_call(Run& run, std::string_view kind, const Term& target, int64_t token_kind,
                  const Term& arg_tokens, const ExprCtx& ctx) {
  if (kind == "rpc") {
    if (token_kind == kTokLink && target.is_compound() && target.functor() == "o" &&
        target.arity() == 2) {
      return gen_rpc_call(
          run, call_program_name(kind_letter(text_of(target.arg(1))) + text_of(target.arg(2))),
          arg_tokens, ctx);
    }
    if (token_kind != kTokConstant) return false;
    const std::string program = call_program_name(text_of(target));
    return !program.empty() && gen_rpc_call(run, program, arg_tokens, ctx);
  }
  if (kind != "udp") return false;
  if (token_kind == kTokVariable) {
    // Web objects call through their page; that call is the web generator's.
    if (spec_kind_in(run, {"web"}) || http_main_pgm(run)) return false;
    return gen_dynamic_call(run, target, arg_tokens, ctx);
  }
  Term name_term = target;
  if (token_kind == kTokLink && target.is_compound() && target.functor() == "o" &&
      target.arity() == 2) {
    name_term = str(kind_letter(text_of(target.arg(1))) + text_of(target.arg(2)));
    token_kind = kTokConstant;
  }
  if (token_kind != kTokConstant) return false;
  const std::string program = call_program_name(text_of(name_term));
  if (program.empty()) return false;
  auto args = gen_call_args(run, program, arg_tokens, "ext", ctx);
  if (!args) return false;
  Out out(run);
  if (auto system = system_program(run, program)) {
    std::string joined;
    for (const std::string& a : args->args) joined += (joined.empty() ? "" : ", ") + a;
    out.pieces({system->method, "(", joined, ");"});
  } else {
    dbg_trace_call(run, num(1), {Term::list({str("Calling"), str(program), str(".")})});
    out.pieces({args->call_expr, ";"});
  }
  for (const auto& [ref, holder] : args->move_back) out.pieces({ref, "=", holder + ".getValue();"});
  if (!system_program(run, program)) {
    if (!run.facts().exists(fact("extrn_pgm_ref_i", {str(program), var()}))) {
      run.facts().assertz(
          fact("extrn_pgm_ref_i", {str(program), Term::list({Term::list({}), arg_tokens})}));
    }
    dbg_trace_call(run, num(1), {Term::list({str(program), str("returned.")})});
  }
  return out.ok();
}

}  // namespace qn::logic
