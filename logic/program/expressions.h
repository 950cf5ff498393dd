// The expression translator: model-language token lists t(Text, Kind) to
// Java text with a type, conditions and the block statements built on them
// (if, while, else, DO CASE), and assignments. Functions are looked up in
// the Java vocabulary (logic/javaui/java_functions.h), control properties
// and methods in logic/javaui/control_props.h.
//
// Token kinds: the Tok enum of logic/core/rule_terms.h.
//
// Grammar, loosest first: AND/OR (NOT prefixes the next comparison-level
// operand), comparisons, "+" "-", "*" "/", "^" (right-associative), then a
// primary: a sign and an operand, "(" ... ")", a function with its
// arguments, an array element, or one token. An int operand of NOT, AND or
// OR is compared with 0, as Java has no truth value of an int.
//
// Working facts: var_used_i/1 and retchar_return_i/1 (reset_exp_state/0),
// fn_parm_info_i/3, fn_ret_parm_i/5, building_call_i/1, in_assignment_i/2,
// into_do_case_i/0, fn_cursor_i/0.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/program/java_expr.h"

namespace qn::logic {

// java_operator/3: the Java text of a model operator of kind kTokNot,
// kTokLogical or kTokCompare (any other operator as it is).
std::string java_operator(int64_t kind, std::string_view op);
// escape_quotes/2: a model string constant (between single or double
// quotes) as a Java string literal (java_quoted/1 of what the quotes hold);
// other text unchanged.
std::string escape_quotes(std::string_view text);
// literal_to_java/3: one constant (a number term or a text).
JavaText literal_to_java(Run& run, const engine::Term& constant);
// control_type_prefix/2: the field prefix of a control type.
std::optional<std::string> control_type_prefix(std::string_view ctl_type);

// function_default_arg/3: the default of an argument left out, for a call
// whose first argument has type First; nullopt when the function has none
// there. And the number of rows of that table.
std::optional<JavaText> function_default_arg(Run& run, std::string_view fn, int position,
                                             const OptType& first);
size_t function_default_rows();

// reset_exp_state/0.
void reset_exp_state(Run& run);
// exp_to_java/4: one expression; nullopt when the tokens do not parse.
std::optional<JavaText> exp_to_java(Run& run, const engine::Term& tokens, const ExprCtx& ctx);
// The arguments of a call: its tokens split at depth-0 "," (nested calls,
// parentheses and an array element's subscripts are deeper).
std::vector<std::vector<engine::Term>> split_arguments(Run& run, const engine::Term& tokens);
// fn_token_to_java/7: a function call on its own: Name the function token's
// text ("str(", "true"), Args its argument tokens (without the ")").
std::optional<JavaText> fn_token_to_java(Run& run, std::string_view name, const engine::Term& args,
                                         const ExprCtx& ctx);
// cond_to_java/4: the pieces of a condition; [] gives "true". Tokens that do
// not parse write the "Fail to edit expression." comment block and give
// "false".
std::vector<std::string> cond_to_java(Run& run, const engine::Term& tokens, const ExprCtx& ctx);

// Block statements.
bool emit_cond_block(Run& run, const engine::Term& tokens, std::string_view keyword,
                     const ExprCtx& ctx);
bool emit_if(Run& run, const engine::Term& tokens, const ExprCtx& ctx);
bool emit_while(Run& run, const engine::Term& tokens, const ExprCtx& ctx);
bool emit_else(Run& run);
bool emit_close_brace(Run& run);
// emit_close_blocks/1: one "}" per element of a list, or N of them (at least one).
bool emit_close_blocks(Run& run, const engine::Term& list_or_count);
bool do_case_begin(Run& run);
bool do_case_case(Run& run, const engine::Term& tokens, const ExprCtx& ctx);
bool do_case_otherwise(Run& run);
bool do_case_end(Run& run);
// emit_continue/0 and emit_return/1.
bool emit_continue(Run& run);
bool emit_return(Run& run, std::string_view value);

// gen_assign_value/7: the assignment of Tokens to a target of type
// TargetType whose Java reference is Ref; TargetKind 29 marks a control
// property (Ref is then the setter's opening text).
bool gen_assign_value(Run& run, const OptType& target_type, const engine::Term& tokens,
                      const engine::Term& target, const std::string& ref, const ExprCtx& ctx,
                      int64_t target_kind);
// assign_var_ref/5: the same for a variable or attribute with a resolved
// reference; its type from its definition.
bool assign_var_ref(Run& run, const engine::Term& target, const std::string& ref,
                    const engine::Term& tokens, const ExprCtx& ctx);
// assign_var/2 (Name, Value): the reference from var_target_ref/4, then
// assign_var_ref/5; Value a token list or a constant.
bool assign_var(Run& run, const engine::Term& name, const engine::Term& value);
// gen_assign_stmt/8 (Attribute, Table, Ctx, Formula, C5, Level, C7, C8): the
// formula, a list of alternatives [Value, Condition] ([] for none),
// assigned to the attribute's holder (att_hold_entry/4) or, without one, to
// the attribute itself (assign_var/2). One alternative without a condition
// is a plain assignment; with conditions they nest as if / else, one "}"
// each.
bool gen_assign_stmt(Run& run, const engine::Term& att, const engine::Term& table,
                     const engine::Term& ctx, const engine::Term& formula,
                     const engine::Term& c5, const engine::Term& level, const engine::Term& c7,
                     const engine::Term& c8);
// assign_unless_mode/4: nothing for the variable Mode.
bool assign_unless_mode(Run& run, const engine::Term& var, const engine::Term& value);

// gen_nullvalue_assign/3 (Target, Reference): the null indicator that would
// follow an assignment. This generator writes none: it always fails, and
// the null-indicator name SQL statements ask for is the empty text.
bool gen_nullvalue_assign(Run& run, const engine::Term& target, std::string_view ref);
std::string null_indicator_name(Run& run, const engine::Term& var);
// cs_connect_hook/0: nothing to do; succeeds.
inline bool cs_connect_hook(Run&) { return true; }
// split_plus_minus/6 (Text, the two contexts, out: Java): a text such as
// &A+B-1 split at its "+" and "-" signs; a variable term ("&" first) or an
// attribute (attri_i/2, compared upper-cased) is translated alone, any other
// term goes through raise_event_ref/4; the terms joined again with their
// signs.
std::string split_plus_minus(Run& run, std::string_view text, const ExprCtx& ctx);

// The declared type of a variable or attribute ([Type, Length, Decimals, 1]).
OptType var_type(Run& run, const engine::Term& name);
// The Java name of the variable token of an is_i/2 expression (the is_i/2
// path of auxname/2).
std::optional<std::string> translate_var_token(Run& run, const engine::Term& token);
// The reference of a variable of the current subfile element (subsystem 9).
std::optional<std::string> subfile_element_ref(Run& run, const engine::Term& name);
// http_main_pgm/0: a main program whose option CALL_PROTOCOL begins with
// "HTTP".
bool http_main_pgm(Run& run);
// A procedure that can be called remotely (subsystem 8).
bool remote_procedure(Run& run);
// att_ref_name/4 (Attribute, Table, Separator, Reference): without a table
// (0 or []) the standard variable's name (call_attri/2); otherwise the SQL
// host-variable name of the column (sql_aname/4).
std::optional<std::string> att_ref_name(Run& run, const engine::Term& att,
                                        const engine::Term& table, std::string_view arrow);

}  // namespace qn::logic
