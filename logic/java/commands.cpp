#include "logic/java/commands.h"

#include "engine/clause_io.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "logic/program/debug_checks.h"
#include "logic/program/expressions.h"
#include "logic/program/pictures.h"
#include "logic/core/attributes.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_types.h"
#include "logic/java/remote_calls.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/pending.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool server_side(const Run& run) { return run.facts().count("trn_server_side_i", 0) > 0; }

bool web_or_http(Run& run) { return spec_kind_in(run, {"web"}) || http_main_pgm(run); }

std::string dbms_literal(Run& run) { return java_quoted(model_dbms(run).value_or("")); }

bool trace(Run& run, std::string_view text) {
  return dbg_trace_call(run, num(1), {str(text)});
}

}  // namespace

bool emit_stmt_lines(Run& run, const Term& stmt) {
  Out out(run);
  if (stmt.is_string() || stmt.is_atom()) return out.pieces({stmt.text(), ";"}).ok();
  if (stmt.is_list()) {
    for (const Term& line : stmt.list_items()) out.pieces({text_of(line)});
    return out.ok();
  }
  return out.pieces({"Error: invalid format.->", engine::write(stmt)}).ok();
}

bool gen_db_command(Run& run, std::string_view command, const std::vector<std::string>& args) {
  if (command == "qncloseall" || command == "qnendtrn" || command == "qnbegtrn") return true;
  if (command == "qncommit" || command == "qnrollback") {
    const bool commit = command == "qncommit";
    trace(run, commit ? "Commiting transaction." : "Rolling back transaction.");
    return emit_stmt_lines(run, str(std::string(commit ? "Application.commit(" : "Application.rollback(") +
                                     context_args() + ", " + dbms_literal(run) + ")"));
  }
  if (command == "qnfetchf") {
    if (args.empty()) return false;
    trace(run, "Opening " + args[0]);
    std::string line = args[0] + ".fetchFirst(";
    for (size_t i = 1; i < args.size(); ++i) line += (i > 1 ? ", " : "") + args[i];
    run.facts().retract_all(fact("last_fetchfirst_i", {var()}));
    run.facts().assertz(fact("last_fetchfirst_i", {str(args[0])}));
    return Out(run).pieces({line + ");"}).ok();
  }
  if (command == "qnclosecur") {
    if (args.empty()) return false;
    trace(run, "Closing " + args.back());
    return Out(run).pieces({args.back() + ".close()", ";"}).ok();
  }
  if (command == "qnexecimm") return gen_exec_imm_lines(run, args, "");
  return false;
}

bool gen_exec_imm_lines(Run& run, const std::vector<std::string>& pieces, std::string_view tolerated) {
  if (pieces.empty()) return false;
  std::string all;
  for (const std::string& p : pieces) all += p;
  trace(run, "Executing (imm): " + all);
  declare_var(run, str("cmdBuffer"), Term::list({atom("char"), num(1), num(0), num(1)}), "s",
              Term::list({}));
  Out out(run);
  // The pieces go into Java string literals: a double quote or backslash of
  // the SQL (a quoted identifier, a constant) is escaped.
  out.pieces({"cmdBuffer = " + java_quoted(pieces[0]) + ";"});
  for (size_t i = 1; i < pieces.size(); ++i) out.pieces({"cmdBuffer += " + java_quoted(pieces[i]) + ";"});
  std::string call = "ExecuteDirectSQL.execute(" + context_args() + ", " + dbms_literal(run) + ", cmdBuffer";
  if (!tolerated.empty()) call += ", " + java_quoted(tolerated);
  return out.ok() && emit_stmt_lines(run, str(call + ")"));
}

bool gen_msg_stmt(Run& run, std::string_view text) {
  Out out(run);
  if (server_side(run)) return out.pieces({"errorMsg = ", text, ";"}).ok();
  if (spec_kind_in(run, {"web"})) return out.pieces({"System.out.println(", text, ");"}).ok();
  if (spec_kind_in(run, {"scr", "trn"})) return out.pieces({"QNutil.msg( me(),", text, ");"}).ok();
  return out.pieces({"QNutil.msg( this,", text, ");"}).ok();
}

namespace {

bool push_page_error(Run& run, std::string_view text) {
  return Out(run).pieces({"qncgi_pusherror( " + std::string(text) + ")", ";"}).ok();
}

}  // namespace

bool gen_msg_call(Run& run, std::string_view text) {
  if (web_or_http(run)) return push_page_error(run, text);
  Out out(run);
  if (server_side(run)) return out.pieces({"msgMsg = ", text, ";"}).ok();
  // Only a panel has me(): any other object shows the message as its MSG
  // command does, from itself.
  if (!spec_kind_in(run, {"scr", "trn"})) return out.pieces({"QNutil.msg( this, ", text, ");"}).ok();
  return out.pieces({"QNutil.msg( me(), ", text, ");"}).ok();
}

bool gen_error_cmd(Run& run, std::string_view text) {
  if (web_or_http(run)) return push_page_error(run, text);
  if (spec_kind_in(run, {"trn"})) return gen_msg_call(run, text);
  return emit_comment(run, {"An error message should be issued here."});
}

bool gen_status_cmd(Run& run, const std::optional<std::string>& text) {
  if (!text) return emit_comment(run, {"An warning message should be issued here."});
  Out out(run);
  if (server_side(run)) return out.pieces({"msgStatus =", *text, ";"}).ok();
  if (statusbar_on(run)) return out.pieces({"msgStatus(", *text, ");"}).ok();
  return out.pieces({"QNutil.msg(", *text, ");"}).ok();
}

bool gen_confirm(Run& run, std::string_view text, bool default_yes) {
  return Out(run).pieces({"QNutil.confirm( me(),", text, ",", default_yes ? "true" : "false", ");"}).ok();
}

bool gen_error_exit(Run& run, int64_t code) {
  return Out(run).pieces({"System.out.println(\"ERROR\");"}).pieces({"System.exit(", code, ");"}).ok();
}

bool gen_return_cmd(Run& run, bool last) {
  const bool in_user_proc = run.facts().count("in_usr_proc_i", 1) > 0;
  if (last && !in_user_proc) return true;
  Out out(run);
  if (!web_or_http(run)) out.pieces({"cleanup();"});
  return out.pieces({"if (true) return;"}).ok();
}

bool gen_do_sub(Run& run, std::string_view method, bool subroutine) {
  const bool ok = emit_comment(
      run, {subroutine ? "Execute user subroutine:" : "Execute user event:", std::string(method)});
  return Out(run).pieces({std::string(method) + "();"}).ok() && ok;
}

namespace {

// A later generator's answer in the last argument of its stand-in; none:
// nullopt.
std::optional<Term> ask_later(Run& run, const char* name, std::vector<Term> args) {
  const Run::HostStandIn* s = run.host_stand_in(name, static_cast<uint32_t>(args.size()));
  if (!s || !(*s)(run, args) || args.back().is_var()) return std::nullopt;
  return args.back();
}

struct AskEntry {
  Term att;
  std::string prompt;  // Java text: the constant's, or the attribute's title quoted
};

}  // namespace

bool gen_do_ask(Run& run, const std::optional<std::string>& given_title) {
  if (!uses_ask(run)) return true;
  const Term model = get_model_num(run).value_or(num(0));
  std::vector<AskEntry> entries;
  bool outdev = false;
  for (const Term& f : run.facts().clauses("function_i", 9)) {
    if (!(f.arg(4) == "ask" || f.arg(5) == "ask")) continue;
    const Term& att = f.arg(8);
    if (platform::upper_1252(strip_ampersand(text_of(att))) == "OUTDEV") {
      outdev = true;
      continue;
    }
    std::string prompt = java_quoted("");
    const auto args = f.arg(6).list_items();
    if (!args.empty() && args[0].is_compound() && args[0].arity() >= 2 &&
        args[0].arg(2) == num(kTokConstant)) {
      prompt = join_pieces(literal_to_java(run, args[0].arg(1)).pieces);
    } else if (auto name = get_attri_name(run, model, att)) {
      prompt = java_quoted(text_of(*name));
    }
    entries.push_back({att, prompt});
  }
  struct Line {
    std::string holder, var, aux, length, picture, constant, prompt;
  };
  std::vector<Line> lines;
  for (const AskEntry& e : entries) {
    auto type = get_attri_type(run, model, e.att);
    auto aux = auxname_c(run, e.att);
    if (!type || !aux) return false;
    const int64_t length = type->length.is_int() ? type->length.as_int() : 0;
    const int64_t decimals = type->decimals.is_int() ? type->decimals.as_int() : 0;
    const auto own = get_attri_pic(run, model, e.att);
    const std::string pic = default_picture(
        type->type, length, decimals, own && (own->is_atom() || own->is_string()) ? own->text() : "");
    auto constant = qn_type_constant(type->type);
    if (!constant) return false;
    const int64_t shown = length > static_cast<int64_t>(pic.size()) || pic.starts_with("@")
                              ? length
                              : static_cast<int64_t>(pic.size());
    // The variable the dialog shows is declared like any the code uses.
    const std::string a = var_target_ref(run, e.att, Term::list({}), "");
    lines.push_back({"GUIObject" + get_serialization_type(type->type, length, decimals), "ask" + a,
                     a, std::to_string(shown), java_quoted(pic), *constant,
                     e.prompt});
  }
  auto title = given_title ? std::optional<Term>(str(*given_title))
                           : ask_later(run, "window_title_expr", {Term::fresh_var()});
  if (!title) return false;
  Out out(run);
  out.pieces({"private boolean doAsk()"}).open("{");
  for (const Line& l : lines) {
    out.pieces({l.holder, l.var, "= new", l.holder, "( new QNEdit(", l.length, ",", l.picture, ",",
                l.constant, "));"});
  }
  for (const Line& l : lines) out.pieces({l.var + ".setValue(" + l.aux + ");"});
  out.pieces({"QNAsk ask = new QNAsk(", text_of(*title), ",", outdev ? "true" : "false",
              ", new QNAskObject[] {"})
      .shift(12);
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& l = lines[i];
    std::vector<Piece> p{"new QNAskObject (", l.var, ",", l.prompt, ",", l.length, ")"};
    if (i + 1 < lines.size()) p.emplace_back(",");
    out.pieces(p);
  }
  out.shift(-12).pieces({"});"});
  for (const Line& l : lines) out.pieces({l.aux + " = " + l.var + ".getValue();"});
  if (outdev) {
    // The output device the dialog chose, declared as a report declares it.
    declare_var(run, atom("Qn_out"), Term::list({atom("char"), num(3), num(0), num(0)}), "s", Term::nil());
    out.pieces({"Qn_out = ask.getOutput();"});
  }
  out.pieces({"return ask.getConfirmed();"});
  return out.ok() && emit_method_end(run);
}

}  // namespace qn::logic
