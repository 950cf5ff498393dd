// The words rule code is written in: patterns and facts, the text of a term,
// and the names of token types and engine counters.
//
//   run.facts().exists(fact("lit_i", {var(), var(), fact("button", {atom("Enter")}), var()}))
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/clause_io.h"
#include "engine/term.h"

namespace qn::logic {

// A fresh variable: the "_" of a pattern.
inline engine::Term var() { return engine::Term::fresh_var(); }
// name(Args...), a fact or a pattern.
inline engine::Term fact(std::string_view name, std::vector<engine::Term> args) {
  return engine::Term::compound(name, std::move(args));
}
inline engine::Term atom(std::string_view name) { return engine::Term::atom(name); }
inline engine::Term str(std::string_view text) { return engine::Term::string(text); }
inline engine::Term num(int64_t value) { return engine::Term::integer(value); }

// The text of a term as a rule writes it: an atom's or a string's own text,
// anything else in its written form (12, f(a), _G3).
inline std::string text_of(const engine::Term& t) {
  if (t.is_atom() || t.is_string()) return t.text();
  return engine::write(t);
}

// strip_ampersand/2: a name without its leading "&" (a variable's name as
// Java writes it).
inline std::string strip_ampersand(std::string_view name) {
  return std::string(name.starts_with('&') ? name.substr(1) : name);
}

// Token types of formulas and command lines: t(Value, Type), or with its
// position t(Value, Type, X, Y). The first token of a command line carries
// the command's code.
enum Tok : int64_t {
  kTokOpen = 0,      // "(": opens a nesting
  kTokFunction = 1,  // a function; its text holds the "(" that opens a nesting as well
  kTokAttribute = 2,
  kTokConstant = 3,  // a number, a quoted string or a standard constant
  kTokClose = 4,     // ")": closes a nesting
  kTokAddOp = 5,     // "+" "-"
  kTokMulOp = 6,     // "*" "/" "^"
  kTokComma = 7,     // separates at depth 0
  kTokNot = 8,       // ".NOT." "NOT"
  kTokLogical = 9,   // ".AND." "AND" ".OR." "OR"
  kTokCompare = 10,  // "=" "<>" "<" ">" "<=" ">=" ".LIKE."
  kTokVariable = 23,
  kTokLink = 28,        // a link or a quoted text
  kTokNested = 29,      // a control property: its value is a token list
  kTokCtrlMethod = 31,  // a control method; its value is a token list
  kTokSubfile = 40,     // a whole subfile, as the control of a property
  kMsgCmd = 141,        // a command line of the message command msg(...)
  kSubStart = 146,      // a command line that starts a subroutine
  kSubEnd = 147,        // the command line that ends it
};

// Engine counters the rules use.
enum Ctr : int {
  kCtrNumbering = 0,  // numbers lit_i/3 facts on loading; execute_int's holder arguments
  kCtrObject1 = 1,    // set to 1 for every object, with kCtrHolders
  kCtrHolders = 2,    // parameter holders "aP" + number
  kCtrFiles = 7,      // specification files, then the object's progress length
  kCtrFileSeq = 9,    // sequence number of the processed files
};

}  // namespace qn::logic
