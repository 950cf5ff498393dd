// The Java of the statements the statement translator hands over: database
// commands, messages, status and confirmation, RETURN, calls of user
// subroutines and events, the error exit, and statement lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// emit_stmt_lines/3: a text is one statement (text ";"), a list one line
// per element; anything else "Error: invalid format.->" and the term.
bool emit_stmt_lines(Run& run, const engine::Term& stmt);
// gen_db_command/3: qncommit, qnrollback, qnexecimm (Args: the statement's
// pieces), qnfetchf (Args: [Cursor, DataObject, Values...]; records
// last_fetchfirst_i/1), qnclosecur (Args: [Cursor]), and qncloseall,
// qnendtrn, qnbegtrn (nothing). Fails for another command.
bool gen_db_command(Run& run, std::string_view command, const std::vector<std::string>& args);
// The immediate execution of a statement's pieces (qnexecimm): cmdBuffer
// built from them, then the direct-SQL call. Tolerated, when not empty,
// names the statuses the executor lets pass ("FNF", "DAE", "ULCK") and is
// its fifth argument.
bool gen_exec_imm_lines(Run& run, const std::vector<std::string>& pieces, std::string_view tolerated);
// gen_msg_stmt/2 with the message's Java text.
bool gen_msg_stmt(Run& run, std::string_view text);
// gen_msg_call/1 with the message's Java text: in a web panel or HTTP main
// program the message is pushed to the page (qncgi_pusherror); in the
// server part of a split transaction it is kept in msgMsg; otherwise shown
// from the panel (me()) or, in any other object, from the object itself.
bool gen_msg_call(Run& run, std::string_view text);
// gen_error_cmd/3 with the message's Java text: pushed to the page in a web
// panel or HTTP main program, shown in a transaction, and elsewhere only a
// comment where the message belongs.
bool gen_error_cmd(Run& run, std::string_view text);
// gen_status_cmd/1 with the status's Java text (none: the expression could
// not be translated).
bool gen_status_cmd(Run& run, const std::optional<std::string>& text);
// gen_confirm/3: the confirmation with its default (false when the tokens
// after the text hold the constant N).
bool gen_confirm(Run& run, std::string_view text, bool default_yes);
// gen_error_exit/2.
bool gen_error_exit(Run& run, int64_t code);
// gen_return_cmd/2: last is true when RETURN is the program's last
// statement or directly followed by a subroutine definition.
bool gen_return_cmd(Run& run, bool last);
// gen_do_sub/2: the comment and the call of a user subroutine or event.
bool gen_do_sub(Run& run, std::string_view method, bool subroutine);

// gen_do_ask/0: "private boolean doAsk()" of a program that uses the
// function ask; nothing for any other. Each ask entry (a function_i/9 of
// kind or function ask: its attribute, its prompt the first argument when a
// constant, else the attribute's title) gets a GUIObject holder with its
// edit, the dialog and the values read back; the entry Outdev adds the
// output device. The edit's picture is the attribute's default picture
// (default_picture/5 of its type and own picture); the window title
// (window_title_expr/1) is the one given (a form's class gives its own),
// else the form generator's: without it the method fails.
bool gen_do_ask(Run& run, const std::optional<std::string>& title = std::nullopt);

}  // namespace qn::logic
