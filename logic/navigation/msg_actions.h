// Small pieces the navigation and transaction code share: message actions,
// the test that finds a rule's assignments, a table's name in messages, and
// the declaration type of an attribute.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The arguments of a message action.
struct MsgAction {
  int64_t kind = 0;
  engine::Term message;  // a message token t(Text, Type), its Java as a text, or none ([])
  engine::Term atts = engine::Term::nil();   // the attributes the message is about
  engine::Term items = engine::Term::nil();  // the rule's items (kind 27: the message is the third)
  engine::Term level = engine::Term::integer(0);
  engine::Term context = engine::Term::integer(0);
};

// gen_msg_action/7 by kind: 1 an error message; 4 the message command; 7
// nothing; 27 the message routine of the third item; 8, 9 and any other
// kind with a message token the message routine called as a user-defined
// procedure; any other kind without one nothing.
bool gen_msg_action(Run& run, const MsgAction& action);
// gen_error_msg/4: the program's error command; in a transaction
// AnyError = 1; then the focus on the first control of the attributes.
bool gen_error_msg(Run& run, const engine::Term& message, const engine::Term& atts);
// gen_status_msg/1.
bool gen_status_msg(Run& run, const engine::Term& message);
// rule_assigns_set/5 (Level, Kind, Attribute, Items, Set): a rule item
// a(Kind, [Attribute | Items]) whose Items hold the elements of Set, no
// more, no fewer.
bool rule_assigns_set(Run& run, const engine::Term& kind, const engine::Term& att,
                      const engine::Term& set);
// tbl_name_text/5: the table's description with its double quotes made
// single, else its short name, else ''.
std::string tbl_name_text(Run& run, const engine::Term& table);

struct DeclType {
  engine::Term type;
  int64_t length = 0;
  int64_t decimals = 0;
  std::string picture;
};
// attri_type_len_dec/6: the attribute's type, its length with numbers
// longer than 15 cut to 15, no decimals for bits, an empty picture.
std::optional<DeclType> attri_type_len_dec(Run& run, const engine::Term& context,
                                           const engine::Term& att);

}  // namespace qn::logic
