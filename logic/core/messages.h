// Texts of the rule program: the fixed English texts looked up by key, the
// language of the model's texts and the message expressions written into
// the generated Java code.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// set_idiom/0: idiom/1 from the model's language, once per run.
void set_idiom(Run& run);
// to_string_literal/2: a value as a string literal of the generated code
// (java_quoted/1): an integer as its decimal text, a text between double
// quotes as the literal of what they hold, anything else as it is (5 gives
// "5").
std::string to_string_literal(const engine::Term& value);
// The language atom of idiom/1 (eng when there is none).
engine::Atom current_idiom(const Run& run);

// message_text/2: the entries of a key, in order; each is a string or a
// list of strings. Empty for a key that is not in the table.
std::vector<engine::Term> message_text(std::string_view key);
// The text of a key's first entry when it is a plain text.
std::optional<std::string> message_text_first(std::string_view key);
// get_message/2: the first entry, or "No message available for <key>".
engine::Term get_message(std::string_view key);

// msg_text/3: the Java expression (or literal) of a message of the
// generated program; arguments are written as lines before it. Fails
// (nullopt) only when writing those lines fails.
std::optional<std::string> msg_text(Run& run, const engine::Term& key,
                                    const std::vector<engine::Term>& args);
// msg_text/2: msg_text/3 with no arguments.
std::optional<std::string> msg_text(Run& run, const engine::Term& key);

// The message formatter: "%1".."%9" replaced by the arguments in order.
std::string format_message(std::string_view format, const std::vector<engine::Term>& args);

}  // namespace qn::logic
