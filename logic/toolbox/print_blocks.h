// What the print blocks of a report print: the variables, attributes and
// called routines of each page footer, subroutine and event, for the
// generators that hand them over as parameters.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "logic/core/run.h"

namespace qn::logic {

// The names a run of print lines prints, each once, in the order met.
struct PrintedNames {
  std::vector<std::string> vars;   // t(V, 23)
  std::vector<std::string> atts;   // t(A, 2) outside a nested For Each
  std::vector<std::string> procs;  // the subroutines (DO) and programs (CALL) it calls
};

// print_block_lines/8: walks the lines numbered Start to End (b_line_i/6,
// both kinds) and collects what they print: every variable token, the
// attribute tokens outside a nested For Each or insert block (depth kept in
// in_foreach_i/1; the attributes met deeper go to attri_parms_i/1), the
// controls of their print blocks (lit_i/4 of the block), and the names of
// DO and CALL commands. Parsed once per (Start, End): parsed_block_i/5.
PrintedNames print_block_lines(Run& run, int64_t start, int64_t end);

// parse_headerfooter1/3: the lines after Start up to the next end command
// (first token 122), that line excluded; without one, up to the last line.
// Nothing when no line follows Start.
std::optional<std::pair<int64_t, int64_t>> parse_headerfooter1(Run& run, int64_t start);

// The key of the block a subroutine or event name (a DO's or a start
// line's name) stands for: lower-cased, without its quotes.
std::string print_block_key(const engine::Term& name);

// The block analysis: the page footer (the lines of the foot groups), every
// subroutine and every event get parmevents_i(Block, [Vars, Atts, Procs]);
// each block then takes in the variables and attributes of the blocks it
// calls, through any depth (a cycle ends where it closes). Block is foot,
// or the key of the subroutine or event. The attributes met deeper
// (attri_parms_i/1) are the last object's no more.
void analyse_print_blocks(Run& run);

}  // namespace qn::logic
