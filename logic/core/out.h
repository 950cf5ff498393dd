// The emitter of the rule program: generated text written as it will appear.
//
//   Out out(run, {{"cls", cls}, {"kind", kind}});
//   out.emit(R"(
//     public $cls$(int remoteHandle)
//     {
//     }
//   )");
//   out.close("}");
//   return close_output(run);
//
// Every call writes its lines through the run's output (output.h), as
// margin lines where the margin changes; every line is an interrupt check.
// A failed write latches in the output too, so the close of the file fails
// whether or not the generator looked at ok().
//
// A template is a raw string: its first and last lines are dropped when
// blank (the lines holding R"( and )"). Indentation is measured from the
// first non-blank line: where it grows, the step is the After of the line
// before (as "{" opens a block); where it shrinks, the step is the Before
// of the line itself (as "}" closes one). A blank template line is an
// empty line. Each line is one piece, so its inner blanks stay as written;
// trailing blanks go, as for every line. "$name$" is the value given for
// name, "$$" a '$'; a name without a value is a programming error and
// throws std::logic_error.
//
// The first failed write latches: later calls write nothing and ok() is
// false.
#pragma once

#include <cassert>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The margin step of a block: "{" opens one, "}" closes it.
inline constexpr int kMarginStep = 3;

// One piece of a line built by a rule: a text, a number or a term, written
// followed by one blank.
struct Piece {
  Piece(const engine::Term& t) : term(t) {}                       // NOLINT
  Piece(std::string_view s) : term(engine::Term::string(s)) {}    // NOLINT
  Piece(const std::string& s) : term(engine::Term::string(s)) {}  // NOLINT
  Piece(const char* s) : term(engine::Term::string(s)) {}         // NOLINT
  Piece(int64_t n) : term(engine::Term::integer(n)) {}            // NOLINT
  Piece(int n) : term(engine::Term::integer(n)) {}                // NOLINT
  engine::Term term;
};

using OutVars = std::vector<std::pair<std::string, std::string>>;

// The lines a template makes, in the form of emit_text/1; `before` is added
// to the Before of its first line. Throws std::logic_error for a hole
// without a value.
engine::Term template_lines(std::string_view tmpl, const OutVars& vars, int before = 0);

class Out {
 public:
  explicit Out(Run& run, OutVars vars = {}) : run_(run), vars_(std::move(vars)) {}
  Out(const Out&) = delete;
  Out& operator=(const Out&) = delete;
  // A shift no line has taken would be lost, and every later margin of the
  // file wrong with it.
  ~Out() { assert(pending_ == 0 || !ok_); }

  // The template's lines at the running margin.
  Out& emit(std::string_view tmpl);
  // One line, after which the margin steps in by kMarginStep.
  Out& open(std::string_view text);
  // One line, for which the margin steps out by kMarginStep first.
  Out& close(std::string_view text);
  // The margin changes by n from the next line this Out writes on (a margin
  // a rule sets by number). It rides on that line as its Before, so a
  // running margin below 0 is taken as 0 there.
  Out& shift(int n);
  // One line computed piece by piece.
  Out& pieces(std::initializer_list<Piece> items);
  Out& pieces(const std::vector<Piece>& items);

  // False once a write has failed.
  bool ok() const { return ok_; }

 private:
  Out& write_pieces(std::span<const Piece> items);

  Run& run_;
  OutVars vars_;
  int pending_ = 0;
  bool ok_ = true;
};

}  // namespace qn::logic
