// Auxiliary variables of attributes and the aggregate routines of select
// formulas. An attribute whose value a routine needs across rows, or an
// earlier value of, lives in an auxiliary variable named by the host
// (i_vaux/5): a letter by purpose followed by the attribute's text, cut to
// ten characters. Names equal after the cut share one variable.
//
// Working facts: p_auxname(Attribute, Auxiliary) (make_aux_names/4,
// drop_aux_names/1); no_thisform_var_i(Variables) and in_formula_i([Routine])
// while a select formula's routine is written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// The letters of auxiliaries by purpose (the Type of gen_aux_name/4).
enum AuxType : int64_t {
  kAuxA = 65,         // an attribute's own auxiliary
  kAuxPrevious = 69,  // previous( and a select formula's arguments
  kAuxOld = 79,       // old(
  kAuxResult = 88,    // the result of a select formula
  kAuxPseudo = 90,    // seudo(
  kAuxCursor = 99,
};

// gen_aux_name/4 (Attribute or number, Context, Type, Name): the host's
// auxiliary name of the attribute's text (a number's decimal text) under the
// letter Type. The context does not enter the name. Nullopt when the host
// refuses (a Type outside a byte).
std::optional<std::string> gen_aux_name(Run& run, const engine::Term& att, const engine::Term& context,
                                        int64_t type);
// make_aux_names/4 (Attributes, Context, Type, Mode): an auxiliary for every
// attribute of the list (a single attribute counts as a list of one), each
// recorded as p_auxname/2. Mode n keeps an attribute that already has one;
// any other mode names it again (the newest entry answers first). False when
// a name could not be made; the attributes before it keep theirs.
bool make_aux_names(Run& run, const engine::Term& atts, const engine::Term& context, int64_t type,
                    const engine::Term& mode);
// first_auxname/3: the first attribute of the list that has an auxiliary,
// with it.
std::optional<std::pair<engine::Term, std::string>> first_auxname(Run& run,
                                                                  const engine::Term& atts);
// drop_aux_names/1: every p_auxname/2 entry of the attributes removed.
void drop_aux_names(Run& run, const engine::Term& atts);
// list_aux/2: [Attribute, Auxiliary] of every attribute of the list that has
// one (auxname/2), in the list's order.
std::vector<std::pair<engine::Term, std::string>> list_aux(Run& run, const engine::Term& atts);

// count_aux_name/5 (Function, Attribute, Attribute2, Name, Name2): count(
// counts into the standard variable Qncount, under that name; other
// functions keep their attribute and name.
std::pair<engine::Term, engine::Term> count_aux_name(const engine::Term& function,
                                                     const engine::Term& att,
                                                     const engine::Term& name);
// aux_unique_name/3 (Number, Name, Routine): the routine of a select
// formula: pgm_unique_name/3 with the prefix ER (reports and procedures) or
// EV (other objects) and the suffix the number in base 36, two digits, and
// the formula's name.
std::string aux_unique_name(Run& run, int64_t number, const engine::Term& name);
// combine_conds/3 (Conditions, Connector, Condition): token lists joined
// pairwise, neighbour with neighbour, round after round (an odd last one
// waits for the next round), each pair as "(" left ")" Connector "(" right
// ")". One condition is itself; none is [].
engine::Term combine_conds(const std::vector<engine::Term>& conds, const engine::Term& connector);

// The accumulation step of one row of a select formula or a vertical
// formula: Running the running value's auxiliary, Value the row's value as
// a token list, Result the routine's return variable (none, or the same as
// Running, writes no result assignment), First the first-row flag. A
// function without a row kind of its own keeps the first row and leaves the
// loop.
bool gen_accumulation(Run& run, std::string_view function, const engine::Term& running,
                      const engine::Term& value, const std::optional<engine::Term>& result,
                      std::string_view first = "Qn_first");

// select_formula_auxs/1 (Context): the routine of every active select
// formula function_i(_, Number, yes, select, Function, Arguments, Name,
// Attribute, [Auxiliaries, Table, Conditions | _]), one for formulas that
// differ only in their number: its parameters the arguments, its result
// the auxiliary (88) of the counted attribute, declared like it and set to
// its null value at each call; a single aggregate SELECT when every
// condition goes to SQL (its computed column the data object's first
// formula), else a navigation of the table with Qn_first, the row's values
// read into auxiliaries (65) of their own, the conditions SQL cannot take
// as an if-block and the accumulation step.
bool select_formula_auxs(Run& run, const engine::Term& context);

}  // namespace qn::logic
