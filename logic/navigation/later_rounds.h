// Callees of the navigation that the user-interface and web generators
// write. Until they exist each body asks the run's stand-in of its name and
// arity (tests) and otherwise fails, writing nothing.
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_confirm_stmt/2 (Tokens, Level): the confirm command: the confirmation
// call of its text with its default (false for a constant N after the
// text). Fails when the text cannot be translated.
bool gen_confirm_stmt(Run& run, const engine::Term& tokens, const engine::Term& level);
// gen_control_refresh/1 (Attributes): the form controls showing the
// attributes shown again. Owner: the transaction and work-panel form
// generator.
bool gen_control_refresh(Run& run, const engine::Term& atts);
// focus_first_of/1 (Attributes): the focus on the first control showing one
// of the attributes: a web object's initial focus control, a transaction's
// focus, a work panel's next focus in tab order; elsewhere, or when no
// control shows one, nothing.
bool focus_first_of(Run& run, const engine::Term& atts);
// http_prefix/1 (Prefix): the start of the URLs of called web objects:
// "https:" when the option http_protocol is secure, "" when it is none, else
// "http:".
bool http_prefix(Run& run, engine::Term& prefix);

}  // namespace qn::logic
