#include "logic/sql/stored_procs.h"

#include <array>

#include "logic/core/attributes.h"
#include "logic/core/dbms_caps.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/utilities.h"
#include "logic/sql/split_string.h"
#include "logic/java/commands.h"
#include "logic/navigation/program_props.h"
#include "logic/sql/optimised_statements.h"
#include "logic/sql/select_text.h"
#include "logic/sql/sql_statements.h"
#include "logic/toolbox/dependencies.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

std::string unquoted(std::string text) {
  if (text.size() >= 2 && (text.front() == '\'' || text.front() == '"') &&
      text.back() == text.front()) {
    text = text.substr(1, text.size() - 2);
  }
  return text;
}

std::string upper_name(const Term& name) { return platform::upper_1252(unquoted(text_of(name))); }

// cs_rpc_pgms_i/1: the names of CS_RPCPGML upper-cased and split at blanks,
// one fact each after cs_rpc_pgms_i([]), which marks the option read;
// asserted on first use (the driver abolishes them before each object,
// since an object's own prop rule may set the option). One fact a name
// lets the fact base's index answer a lookup.
void read_cs_rpc_pgms(Run& run) {
  auto& facts = run.facts();
  if (facts.exists(fact("cs_rpc_pgms_i", {Term::list({})}))) return;
  facts.assertz(fact("cs_rpc_pgms_i", {Term::list({})}));
  for (const std::string& p : split_string(
           platform::upper_1252(pgm_prop_value(run, "CS_RPCPGML").value_or("")), " ", "")) {
    facts.assertz(fact("cs_rpc_pgms_i", {atom(p)}));
  }
}

std::optional<Term> stored_proc_program(Run& run, const std::string& upper) {
  auto f =
      run.facts().first(fact("external_program_i", {atom(upper), atom("storedprocedure"), var()}));
  if (!f) return std::nullopt;
  return f->arg(3);
}

// A token t(Text, Type | _).
struct ArgTok {
  Term text;
  int64_t type = -1;
};
std::optional<ArgTok> token(const Term& t) {
  if (!t.is_compound() || t.args().size() < 2 || !t.arg(2).is_int()) return std::nullopt;
  return ArgTok{t.arg(1), t.arg(2).as_int()};
}

// The argument tokens without a final ")", attributes read as variables.
std::vector<ArgTok> call_arguments(const Term& arguments) {
  std::vector<ArgTok> out;
  for (const Term& t : arguments.list_items()) {
    if (auto k = token(t)) out.push_back(*k);
  }
  if (!out.empty() && out.back().type == kTokClose) out.pop_back();
  for (ArgTok& k : out) {
    if (k.type == kTokAttribute) k.type = kTokVariable;
  }
  return out;
}

// The SQL text of one argument token other than a variable: a comma, a
// number, a string literal in single quotes, or what the SQL condition
// translator makes of the token (its own text when it makes nothing).
std::string sql_part(Run& run, const ArgTok& k) {
  const std::string text = text_of(k.text);
  if (k.type == kTokComma) return ",";
  if (k.type == kTokConstant && text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front()) {
    std::string inner;
    for (char c : text.substr(1, text.size() - 2)) {
      inner += c;
      if (c == '\'') inner += '\'';
    }
    return " '" + inner + "'";
  }
  if (k.type == kTokConstant) return " " + text;
  const auto sql = conds_to_sql(run, make_table_list(run, {}),
                                {Term::list({fact("t", {k.text, num(k.type)})})});
  if (sql.size() == 1 && !sql[0].text.empty()) return " " + sql[0].text;
  return " " + text;
}

std::string join(const std::vector<std::string>& parts, std::string_view sep) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? std::string(sep) : "") + parts[i];
  return out;
}

bool exec_line(Run& run, const std::string& line) {
  return gen_db_command(run, "qnexecimm", {line});
}

// odbc_call_i/3 for the first AS/400 call of a procedure with arguments.
void record_odbc_call(Run& run, const std::string& upper, const std::vector<Term>& parameters) {
  const std::string program = cur_pgm_name(run);
  auto& facts = run.facts();
  if (facts.exists(fact("odbc_call_i", {atom(program), atom(upper), var()})) ||
      facts.exists(fact("external_program_i", {atom(upper), var(), var()}))) {
    return;
  }
  const Term model = get_model_num(run).value_or(num(0));
  const bool char_only = os400_version_ge(run, "V4R4");
  std::vector<std::string> types;
  for (const Term& p : parameters) {
    auto t = get_attri_type(run, model, p);
    if (!t) continue;
    if (numeric_type(t->type) && !char_only) {
      types.push_back("INOUT NUMERIC(" + text_of(t->length) + "," + text_of(t->decimals) + ")");
    } else {
      types.push_back("INOUT CHAR(" + text_of(t->length) + ")");
    }
  }
  facts.assertz(fact("odbc_call_i", {atom(program), atom(upper), atom(join(types, ", "))}));
}

// The language of an odbc_call_i/3 procedure: its main-program entry's
// generator, the entry's program name matched without library, in any case.
std::string odbc_language(Run& run, const std::string& name) {
  const auto slash = name.rfind('/');
  const std::string bare =
      platform::upper_1252(slash == std::string::npos ? name : name.substr(slash + 1));
  for (const Term& f : run.facts().clauses("pgm_main_i", 4)) {
    const auto l = f.arg(4).list_items();
    if (l.size() < 2 || platform::upper_1252(text_of(l[1])) != bare) continue;
    if (l[0].is_int() && l[0].as_int() == 5) {
      return pgm_prop_is(run, "GENERATE_ILE", "Yes") ? "RPGLE" : "RPG";
    }
    if (l[0].is_int() && l[0].as_int() == 6) return "COBOL";
    break;
  }
  return "RPG";
}

}  // namespace

SpNames sp_names(Run& run, const Term& name) {
  SpNames n;
  n.upper = upper_name(name);
  n.qualified = n.upper;
  if (auto data = stored_proc_program(run, n.upper)) {
    const auto d = data->list_items();
    if (d.size() >= 2 && !(d[0] == "as400") && !text_of(d[1]).empty()) {
      n.qualified = text_of(d[1]);
      return n;
    }
  }
  if (model_driver(run) == "db2400" && n.upper.find('/') == std::string::npos) {
    if (auto lib = pgm_prop_value(run, "WA0002"); lib && !lib->empty()) {
      n.qualified = *lib + "/" + n.upper;
    }
  }
  return n;
}

SpCall sp_call_text(Run& run, std::string_view qualified, const Term& arguments) {
  const std::string dbms = dstore_dbms(run, num(1)).value_or("");
  std::string keyword = "CALL", none, open = "(", close = ")";
  if (dbms == "informix") {
    keyword = "EXECUTE PROCEDURE";
    none = "()";
  } else if (dbms == "sqlserver") {
    keyword = "EXECUTE";
    open = close = "";
  }
  SpCall call;
  const std::vector<ArgTok> args = call_arguments(arguments);
  if (args.empty()) {
    call.text = keyword + " " + std::string(qualified) + none;
    return call;
  }
  std::string parts;
  for (const ArgTok& k : args) {
    if (k.type == kTokVariable) {
      parts += " ?";
      call.parameters.push_back(k.text);
    } else {
      parts += sql_part(run, k);
    }
  }
  call.text = keyword + " " + std::string(qualified) + " " + open + parts + close;
  return call;
}

bool is_stored_proc(Run& run, const Term& name) {
  const Term upper = atom(upper_name(name));
  read_cs_rpc_pgms(run);
  auto& facts = run.facts();
  return facts.exists(fact("cs_rpc_pgms_i", {upper})) ||
         facts.exists(fact("external_program_i", {upper, atom("storedprocedure"), var()})) ||
         facts.exists(fact("odbc_call_i", {var(), upper, var()}));
}

bool uses_stored_procs(Run& run) {
  auto& facts = run.facts();
  return facts.exists(fact("external_program_i",
                           {var(), atom("storedprocedure"), Term::cons(atom("as400"), var())})) ||
         facts.exists(fact("odbc_call_i", {var(), var(), var()}));
}

bool gen_udp_call(Run& run, const Term& name, const Term&, const Term& arguments, const Term&,
                  const Term&) {
  // The name comes as a token of its kind (a string literal, an object
  // reference) or as the name itself.
  const Term target = atom(call_target_name(name).value_or(text_of(name)));
  if (!is_stored_proc(run, target)) return false;
  const SpNames names = sp_names(run, target);
  SpCall call = sp_call_text(run, names.qualified, arguments);
  const bool db2400 = model_driver(run) == "db2400";
  if (db2400 && !call_arguments(arguments).empty())
    record_odbc_call(run, names.upper, call.parameters);
  if (db2400 && call.parameters.empty()) {
    return gen_exec_immediate(run, call.text, "", "y");
  }
  if (model_driver(run) == "qeoracle7") call.text = "{" + call.text + "}";
  return gen_call_cursor(run, names.upper, call.text, call.parameters);
}

bool rpc_parm_types(Run& run, const Term& arguments, Term& types) {
  const Term model = get_model_num(run).value_or(num(0));
  std::vector<Term> out;
  for (const Term& t : arguments.list_items()) {
    auto k = token(t);
    if (!k || (k->type != kTokVariable && k->type != kTokAttribute)) continue;
    if (auto type = get_attri_type(run, model, k->text)) {
      out.push_back(Term::list({type->type, type->length, type->decimals, num(0)}));
    }
  }
  types = Term::list(out);
  return true;
}

bool crt_stored_procs(Run& run) {
  auto& facts = run.facts();
  for (const Term& f : facts.clauses("external_program_i", 3)) {
    const auto d = f.arg(3).list_items();
    if (!(f.arg(2) == "storedprocedure") || d.size() < 5 || !(d[0] == "as400")) continue;
    const std::string n = text_of(f.arg(1));
    if (!exec_line(run, "DROP PROCEDURE " + n)) return false;
    const auto modes = d[2].list_items();
    const auto types = d[3].list_items();
    if (modes.size() != types.size()) {
      if (!Out(run)
               .pieces({"// Stored procedure " + n + ": " + std::to_string(modes.size()) +
                        " modes, " + std::to_string(types.size()) + " types"})
               .ok()) {
        return false;
      }
      continue;
    }
    std::vector<std::string> pairs;
    for (size_t i = 0; i < modes.size(); ++i)
      pairs.push_back(text_of(modes[i]) + " " + text_of(types[i]));
    const std::string parms = pairs.empty() ? "" : " (" + join(pairs, " , ") + ")";
    if (!exec_line(run, "CREATE PROCEDURE " + n + parms + " EXTERNAL NAME " + text_of(d[1]) +
                            " LANGUAGE " + text_of(d[4]) + " GENERAL")) {
      return false;
    }
  }
  for (const Term& f : facts.clauses("odbc_call_i", 3)) {
    const std::string n = text_of(f.arg(2));
    const std::string types = text_of(f.arg(3));
    const std::string parms = types.empty() ? "" : " (" + types + ")";
    if (!exec_line(run, "DROP PROCEDURE " + n) ||
        !exec_line(run, "CREATE PROCEDURE " + n + parms + " EXTERNAL NAME " +
                            sp_names(run, atom(n)).qualified + " LANGUAGE " +
                            odbc_language(run, n) + " GENERAL")) {
      return false;
    }
  }
  return true;
}

}  // namespace qn::logic
