// The print lines of reports and procedures: the report variables and the
// page set-up, the drawing calls of each print block's controls, the line
// bookkeeping between blocks, the commands among print lines, and the page
// header and footer groups.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_rpt_vars/3: the report's variables (fields of the report class but
// Qn_OldLine), then either the attachment to the caller's printer (a
// program with a Line parameter) or the font cache cleared and the page
// set-up with the printer's initialisation.
bool gen_rpt_vars_print(Run& run);

// The items of a print-line group: [pb, N, Block] for a line printing block
// Block, [line, N, []] for one without, [cmd, N, N] for a command line, in
// line order.
std::vector<engine::Term> rpt_group_items(Run& run, const engine::Term& level,
                                          const engine::Term& group);

// rpt_print_items/6: prints the items in order. An empty section (the
// groups printHeaders and printFooters print) tests no page before a block
// and hands an eject to the statement translator. In a procedure or report
// a subroutine or event (143 or 146 up to its 144 or 147) among the lines of
// a level inside a navigation is not written here but kept for
// rpt_deferred_routines. C2, C3, C4: the
// statement translator's context.
bool rpt_print_items(Run& run, const std::vector<engine::Term>& items, bool section,
                     const engine::Term& level, const engine::Term& c2, const engine::Term& c3,
                     const engine::Term& c4);

// The subroutines and events that rpt_print_items met among the lines of
// a navigating level (working fact rpt_deferred_i/2: Level, Items), each
// printed with its lines after the main routine, in the order met; then
// none is kept. C2, C3, C4: the statement translator's context.
bool rpt_deferred_routines(Run& run, const engine::Term& c2, const engine::Term& c3,
                           const engine::Term& c4);

// The print branch of gen_print_block/10: a group of kind page or foot sets
// its flag QnHdr<Group> where it stands; any other group prints its items.
bool gen_print_group(Run& run, const engine::Term& level, const engine::Term& group,
                     const engine::Term& kind, const engine::Term& c2, const engine::Term& c3,
                     const engine::Term& c4);

// The flag of a page or foot group: "QnHdr<Group>", or
// "QnHdr<Level>_<Group>" when a page or foot group of another level has the
// same number.
std::string header_flag(Run& run, const engine::Term& level, const engine::Term& group);

// rpt_break_groups/3: the groups of kind Which (page or foot), each under
// "if (QnHdr<Group>) {" with an empty section.
bool rpt_break_groups_print(Run& run, std::string_view which);

// rpt_text_flags/5: the alignment code of a control: its align property,
// else right for int, left for the character types, else 0; left 0, center
// 1, right 2 in reports and procedures, left 0, right 1, center 2 elsewhere.
int rpt_align_code(Run& run, const engine::Term& props, std::string_view type);

// rpt_ctl_color/4: the red, green and blue of a fore(...) or back(...)
// colour: rgb(R, G, B) or the text '&HBBGGRR&'; the default black for fore,
// white for back.
struct Rgb {
  int r = 0, g = 0, b = 0;
};
Rgb rpt_ctl_color(const engine::Term& props, std::string_view which);

// The Java string of printer codes 0 to 255: 10, 13, 34 and 92 as \n, \r,
// \" and \\, every other as \u00XX.
std::string printer_codes_literal(const std::vector<int>& codes);

}  // namespace qn::logic
