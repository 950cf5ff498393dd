// Reading and writing clauses in the rule language's syntax.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"

namespace qn::engine {

struct SyntaxError {
  size_t line = 0;  // 1-based line where the bad clause starts
  std::string message;
};

// Reads the clauses of a text one by one. Each clause ends with "." followed
// by layout or the end of the text. A syntax error skips to the end of that
// clause, is recorded (the first one of a call in *error) and reading goes
// on with the next clause.
class ClauseReader {
 public:
  explicit ClauseReader(std::string_view text);
  ~ClauseReader();
  ClauseReader(ClauseReader&&) noexcept;
  ClauseReader& operator=(ClauseReader&&) noexcept;
  // The next clause, or nullopt at the end of the text.
  std::optional<Term> next(SyntaxError* error = nullptr);
  // True when the last call to next() met a syntax error (and skipped it).
  bool had_error() const { return had_error_; }
  // Every syntax error met so far, in text order.
  const std::vector<SyntaxError>& errors() const { return errors_; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
  size_t line_ = 1;
  bool had_error_ = false;
  std::vector<SyntaxError> errors_;
  struct State;
  std::unique_ptr<State> state_;
};

// Reads every clause of a text; syntax errors are collected in `errors`.
std::vector<Term> read_clauses(std::string_view text, std::vector<SyntaxError>* errors = nullptr);
// Reads one term (without the final "."), as string_term/2 does.
std::optional<Term> parse_term(std::string_view text);

// writeq: quoted where needed so that reading it back gives the same term.
std::string writeq(const Term& t);
// write: atoms and strings as their bare characters.
std::string write(const Term& t);
// The clause as a file line holds it: writeq text and the final "." (no
// line end).
std::string clause_text(const Term& t);

}  // namespace qn::engine
