// Tree-shaped values exchanged between the rules and the host routines:
// lists of attributes, table lists, directory texts, the lines to be
// written. A value travels as a tree of TermValue nodes held in one of ten
// global term slots. The rules convert their terms into slot trees before a
// host call and rebuild terms from the trees afterwards; the host routines
// read and fill the trees with the operations below.
//
// A slot and an argument place are both a TermValue: an empty place is a
// node of kind kTermUnbound without content, and every reader treats it as
// unbound.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qn::host {

enum TermKind : int {
  kTermUnbound = 0,
  kTermInt = 1,
  kTermReal = 2,
  kTermText = 3,  // a plain text (never produced by the rules)
  kTermAtom = 4,  // an atom or a string
  kTermCompound = 5,
  kTermRebindable = 6,  // treated like unbound
};

struct TermValue {
  TermKind kind = kTermUnbound;
  int32_t int_value = 0;        // kind 1
  double real_value = 0;        // kind 2
  std::string text;             // kinds 3 and 4; the name of a compound
  std::vector<TermValue> args;  // kind 5: the arguments in order

  bool unbound() const { return kind == kTermUnbound || kind == kTermRebindable; }
  // A list cell: the compound "." with two arguments.
  bool is_cons() const { return kind == kTermCompound && args.size() == 2 && text == "."; }
  // The empty list: the text "[]".
  bool is_nil() const { return (kind == kTermAtom || kind == kTermText) && text == "[]"; }
};

inline constexpr int kTermSlotCount = 10;

// The ten global term slots (0 to 9); each owns its whole tree.
TermValue& term_slot(int n);
std::array<TermValue, kTermSlotCount>& term_slots();

// --- host side ---------------------------------------------------------

// Puts a new node into slot: count arguments, each an empty place; kind 1
// stores value as the integer; kinds 3 to 5 get room for a text of value
// bytes, empty until term_alloc_text fills it.
void term_new(TermValue& slot, TermKind kind, int count, int64_t value);
void term_set_int(TermValue& slot, int32_t value);
void term_set_real(TermValue& slot, double value);
void term_alloc_text(TermValue& slot, std::string_view text);
// Stores child as argument n (1-based) of node; false when n is out of range.
bool term_set_arg(int n, TermValue& node, TermValue child);
// Argument n (1-based) of the node in slot, usable as a slot; nullptr when
// the node has no such argument.
TermValue* term_arg_ref(int n, TermValue& slot);

TermKind term_kind(const TermValue& node);
// The integer of a kind-1 node; false for any other kind.
bool term_get_int(const TermValue& node, int32_t& out);
// The double of a kind-2 node.
bool term_get_real(const TermValue& node, double& out);
// The text of a kind-3 or kind-4 node; false otherwise.
bool term_get_text(const TermValue& node, std::string& out);
// Name and argument count of a kind-5 node with at least one argument.
bool term_get_functor(const TermValue& node, std::string& name, int& count);
// Argument n (1-based, n <= count) of a kind-5 node.
bool term_get_arg(const TermValue& node, int n, const TermValue*& out);

// Kind 0 or 6 becomes kind 1 holding value (true); kind 1 is true only when
// it holds value; other kinds false.
bool term_unify_int(int32_t value, TermValue& node);
// Kind 0 or 6 becomes kind 4 holding a copy of text (true); kinds 3 and 4
// are true when their text equals text; other kinds false.
bool term_unify_string(std::string_view text, TermValue& node);
bool term_unify_atom(std::string_view text, TermValue& node);
// Kind 0 or 6 becomes kind 5 with the name and count new unbound
// arguments (true); kind 5 is true when count and name are equal.
bool term_unify_functor(std::string_view name, int count, TermValue& node);

// Frees the node's arguments and text; the node becomes an empty place.
void term_free(TermValue& node);
// Frees the tree of slot (if any) and empties the slot.
void term_release(TermValue& slot);
// term_release for all ten slots (the application's exit step).
void term_release_slots();
// Called around every host routine that uses slots; they do nothing.
void term_slots_open();
void term_slots_close();

}  // namespace qn::host
