// The one routine through which all generated text is written, and the
// opening and closing of output files.
//
// Line format: emit_text/1 takes a list of lines; a line is a list of pieces
// (atoms, strings, integers), each written followed by one blank at the
// running left margin, trailing blanks and tabs removed; [] is an empty
// line. A line [Before, After, Items] whose third element is a list is a
// margin line: the margin changes by Before for this line and by After for
// the lines that follow (0 at the opening of every output file; a negative
// margin counts as 0). A line that is not a list, or a margin line whose
// Before or After is not an integer, makes the whole call fail.
#pragma once

#include <initializer_list>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// emit_text/1: [[]] writes nothing and succeeds; anything else goes to
// print_nocol/1. Every line is an interrupt check.
bool emit_text(Run& run, const engine::Term& lines);
// The same for lines built in place: emit_text(run, {line1, line2}).
bool emit_text(Run& run, std::initializer_list<engine::Term> lines);
// print_nocol/1: writes the lines to the current output file; fails when
// the writer fails.
bool print_nocol(Run& run, const engine::Term& lines);

// open_rpt_file/2: the model directory (i_model_info/2), then File as the
// next output path, opened with two empty texts; when the open fails the
// output is closed and the predicate fails.
bool open_rpt_file(Run& run, const engine::Term& model, const engine::Term& file);
// close_rpt_file/1: closes the output file; fails when a write error
// occurred in it.
bool close_rpt_file(Run& run, const engine::Term& ignored = engine::Term());

}  // namespace qn::logic
