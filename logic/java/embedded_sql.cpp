#include "logic/java/embedded_sql.h"

#include "logic/core/attributes.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/output.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/commands.h"
#include "logic/java/java_naming.h"
#include "logic/java/remote_calls.h"
#include "logic/java/variables.h"
#include "logic/program/debug_checks.h"
#include "logic/program/expressions.h"
#include "logic/sql/stored_procs.h"
#include "logic/sql/text_utils.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

int64_t model_num(Run& run) {
  auto m = get_model_num(run);
  return m && m->is_int() ? m->as_int() : 0;
}

Term obj_type(std::string_view cls) {
  return Term::list({fact("obj", {atom(cls)}), num(0), num(0), num(0)});
}

void declare_obj(Run& run, std::string_view name, std::string_view cls, std::string_view init) {
  declare_var(run, str(name), obj_type(cls), "s", Term());
  auto& facts = run.facts();
  if (!facts.exists(fact("obj_initialize_with_i", {str(name), var()}))) {
    facts.assertz(fact("obj_initialize_with_i", {str(name), str(init)}));
  }
}

// The Java value of a statement value token.
std::string value_java(Run& run, const Term& att, const Term& value) {
  if (value.is_nil()) {
    if (auto v = get_att_var(run, att)) return *v;
    return text_of(att);
  }
  if (auto j = exp_to_java(run, Term::list({value}), ExprCtx{})) return join_pieces(j->pieces);
  return text_of(value.is_compound() && value.arity() >= 1 ? value.arg(1) : value);
}

void add_entry(Run& run, std::string_view cursor, std::string_view sql, const Term& tables,
               const Term& mode, const std::vector<Term>& params, std::string_view kind,
               const Term& context) {
  auto& facts = run.facts();
  // The entry is cleared of parameters, then gets the statement's.
  facts.retract_all(fact("embsql_cursor_i", {str(cursor), var()}));
  facts.assertz(fact("embsql_cursor_i",
                     {str(cursor), Term::list({str(sql_dquote(sql)), tables, mode, tables,
                                               Term::list(params), atom(kind), context})}));
}

}  // namespace

std::string sql_dquote(std::string_view sql) { return java_quoted(sql); }

std::optional<std::string> declare_table_object(Run& run, const Term& table) {
  const int64_t model = model_num(run);
  auto obj = base_table_obj(run, model, table);
  auto cls = table_kind_class_name(run, model, table, "tab");
  if (!obj || !cls) return std::nullopt;
  declare_obj(run, *obj, *cls,
              "new " + *cls + "(" + context_args() + ", " + read_committed_flag(run) + ")");
  return obj;
}

bool gen_sql_select_call(Run& run, std::string_view cursor, const Term& table, const Term& tables,
                         std::string_view sql, const std::vector<Term>& params, std::string_view kind,
                         const Term& context) {
  if (pgm_prop_is(run, "CS_CONNECT", "S")) return false;
  declare_table_object(run, table);
  const std::string cls = fwd_cursor_class_name(cursor);
  declare_obj(run, cursor, cls, "new " + cls + "(" + context_args() + ")");
  add_entry(run, cursor, sql, tables, atom(kind == "d" ? "dyn" : "s"), params, kind, context);
  return true;
}

bool gen_sql_cursor_stmt(Run& run, const Term& level, std::string_view cursor, std::string_view kind,
                         const Term& table, std::string_view sql, const std::vector<Term>& params,
                         const std::vector<SqlAssign>& assigns, const Term& context) {
  if (pgm_prop_is(run, "CS_CONNECT", "S")) return false;
  auto& facts = run.facts();
  const Term tables = Term::list({table});
  if (kind == "d") {
    // A dynamic statement other than a SELECT: prepared once through its flag.
    const std::string flag = "sQN" + std::string(cursor);
    declare_var(run, str(flag), Term::list({atom("boolean"), num(1), num(0), num(0)}), "s", Term());
    Out out(run);
    out.open("if (!" + flag + ") {");
    out.pieces({flag, "=", "true;"});
    const std::vector<std::string> pieces = wrap_sql_text(sql);
    for (size_t i = 0; i < pieces.size(); ++i) {
      out.pieces({"cmdbuf", i == 0 ? "=" : "+=", sql_dquote(pieces[i]) + ";"});
    }
    out.pieces({"// PREPARE", flag, "FROM", "cmdbuf"});
    out.close("}");
    return out.ok();
  }
  if (kind == "call") {
    // A stored procedure: its parameters packed, the procedure run through
    // its call class, each parameter read back. A parameter whose type is
    // unknown cannot be packed: nothing is written then.
    const Term model = num(model_num(run));
    struct Packed {
      std::string value, type;
    };
    std::vector<Packed> packed;
    for (const Term& p : params) {
      const Term name = p.is_compound() && p.arity() >= 1 ? p.arg(1) : p;
      const auto t = get_attri_type(run, model, name);
      if (!t || !t->length.is_int() || !t->decimals.is_int()) return false;
      const Term token = p.is_compound() ? p : fact("t", {p, num(kTokVariable)});
      packed.push_back({value_java(run, name, token), get_serialization_type(t->type, t->length.as_int(),
                                                                             t->decimals.as_int())});
    }
    add_entry(run, cursor, sql, tables, atom("call"), params, kind, context);
    declare_obj(run, "packer", "QNParameterPacker", "new QNParameterPacker()");
    declare_obj(run, "unpacker", "QNParameterUnpacker", "new QNParameterUnpacker()");
    declare_obj(run, cursor, "IRemoteProcedureWrapper", "new " + call_class_name(cursor) + "(remoteHandle)");
    Out out(run);
    emit_comment(run, {Piece("Stored procedure call")});
    out.pieces({"packer.reset();"});
    for (const Packed& p : packed) out.pieces({"packer.write" + p.type + "(" + p.value + ");"});
    out.pieces({"unpacker.reset(" + std::string(cursor) + ".execute(packer.toByteArray()));"});
    for (const Packed& p : packed) out.pieces({p.value, "=", "unpacker.read" + p.type + "();"});
    return out.ok() && emit_comment(run, {Piece("End stored procedure call")});
  }
  if (auto opt = facts.first(fact("optimized_delete", {var()}))) {
    const std::string cls = upd_cursor_class_name(cursor);
    declare_table_object(run, table);
    declare_obj(run, cursor, cls, "new " + cls + "(" + context_args() + ")");
    add_entry(run, cursor, sql, tables, opt->arg(1), params, kind, context);
    return true;
  }
  const bool data_stmt = kind == "ins" || kind == "upd" || kind == "dlt";
  if (data_stmt && facts.exists(fact("dcl_cursor_i", {level, atom(kind), var(), var()}))) {
    auto obj = declare_table_object(run, table);
    if (!obj) return false;
    const int64_t model = model_num(run);
    Out out(run);
    for (const SqlAssign& a : assigns) {
      auto setter = attribute_setter_name(run, model, a.att);
      if (!setter) continue;
      out.pieces({*obj + "." + *setter + "(" + value_java(run, a.att, a.value) + ");"});
    }
    if (kind == "ins" && initialize_new_on(run)) out.pieces({*obj + ".setAllLoaded();"});
    const char* method = kind == "ins" ? "insert" : kind == "upd" ? "update" : "delete";
    out.pieces({*obj + "." + method + "();"});
    if (!out.ok()) return false;
    return dbg_trace_call(run, num(1), {Term::list({str("Executing statement"), str(cursor)})});
  }
  // Any other statement keeps its entry, so its cursor class is written.
  declare_table_object(run, table);
  const std::string cls = upd_cursor_class_name(cursor);
  declare_obj(run, cursor, cls, "new " + cls + "(" + context_args() + ")");
  add_entry(run, cursor, sql, tables, atom("n"), params, kind, context);
  return true;
}

std::string gen_sql_stmt_call(Run& run, std::string_view cursor, std::string_view kind,
                              const Term& table, std::string_view test, std::string_view op) {
  const bool equal = op == "=" || op == "==";
  std::string target(cursor);
  if (kind == "ins" || kind == "upd" || kind == "dlt") {
    if (auto obj = base_table_obj(run, model_num(run), table)) target = *obj;
  }
  std::string call;
  if (!test.empty() && test.find_first_not_of("0123456789-") == std::string_view::npos) {
    call = target + ".getStatus() " + (equal ? "==" : "!=") + " " + std::string(test);
    return call;
  }
  call = target + "." + std::string(test);
  return equal ? call : "!" + call;
}

bool select_one_cursor(Run& run, std::string_view cursor) {
  Out out(run);
  out.pieces({std::string(cursor) + ".readNext();"});
  return out.ok();
}

namespace {
bool app_call(Run& run, std::string_view method, std::string_view store) {
  Out out(run);
  out.pieces({"Application." + std::string(method) + "(" + context_args() + ", " +
              java_quoted(platform::upper_1252(store)) + ");"});
  return out.ok();
}
}  // namespace

bool emit_app_commit(Run& run, std::string_view store) { return app_call(run, "commit", store); }
bool emit_app_rollback(Run& run, std::string_view store) { return app_call(run, "rollback", store); }

bool gen_crtjdbccalls(Run& run, int64_t model) {
  if (!uses_stored_procs(run)) return true;
  if (!gen_class_start(run, model, "crtjdbc", "crtjdbccalls", "crtjdbccalls", "inm")) return false;
  bool ok = Out(run).pieces({"private String cmdBuffer;"}).pieces({""}).ok();
  ok = Out(run).pieces({"public static void main(String args[])"}).open("{").ok() &&
       emit_application_init(run) &&
       Out(run).pieces({"new crtjdbccalls(-1).execute();"}).ok() && emit_method_end(run) && ok;
  ok = Out(run)
           .pieces({"public crtjdbccalls(int remoteHandle)"})
           .open("{")
           .pieces({"super(remoteHandle, new ModelContext(crtjdbccalls.class ), \"\" );"})
           .ok() &&
       emit_method_end(run) && ok;
  ok = emit_method_header(run, "initialize", "public ", "void", {}, "") && emit_method_end(run) && ok;
  ok = emit_method_header(run, "execute", "public ", "void", {}, "") && ok;
  // A statement that cannot be written leaves a comment in its place (the
  // writer's own); the class still ends and the file is closed.
  ok = crt_stored_procs(run) && ok;
  ok = gen_db_command(run, "qncommit", {}) && ok;
  ok = Out(run).pieces({"System.exit(0);"}).ok() && emit_method_end(run) && ok;
  return emit_class_end(run) && close_output(run) && ok;
}

}  // namespace qn::logic
