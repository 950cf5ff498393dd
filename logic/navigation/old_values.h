// Earlier values of attributes: old(Attribute) and previous(Attribute) read
// auxiliaries that a level fills before the row changes ("moves"), each an
// entry [Attribute, h, [t(Auxiliary, Type)]]. Also the names of the
// U-numbered routines, the unique-index attributes of a table and the
// connection mode.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// to_move/6 (Context, Level, Function, TokenType, Attributes, Entry): the
// moves of the attributes from the sources, in this order: 1. an old
// formula (function_i/9 of kind old) of Function over the attribute; 2. a
// rule of the level (rule_i(Level, rule(Items, ...))) with an item whose
// tokens begin with Function and the attribute; 3. for old(, an attribute
// the level excludes (struct_i/4); 4. for previous(, a 'previous' default
// (default_i/1); 5. for previous(, a formula of that function over it.
std::vector<engine::Term> to_move(Run& run, const engine::Term& context, const engine::Term& level,
                                  std::string_view function, int64_t token_type,
                                  const engine::Term& atts);
// all_moves/6: to_move/6's entries sorted, without duplicates.
std::vector<engine::Term> all_moves(Run& run, const engine::Term& context,
                                    const engine::Term& level, std::string_view function,
                                    int64_t token_type, const engine::Term& atts);
// old_value_moves/3 (Level, Context, Moves): the old( moves (79) of the
// attributes the level assigns (las_i/2).
std::vector<engine::Term> old_value_moves(Run& run, const engine::Term& level,
                                          const engine::Term& context);
// assign_h_auxs/2 (Mode, Moves): each distinct move once: mode s saves the
// attribute into its auxiliary (noted as h_saved_i(Auxiliary), which a
// level's body abolishes when it starts), r restores it.
bool assign_h_auxs(Run& run, char mode, const std::vector<engine::Term>& moves);
// move_allowed/4 (Attribute, Allowed, Numbers, X): [Attribute, X] is an
// element of Allowed and, for an attribute that is a number, X is one of
// Numbers.
bool move_allowed(const engine::Term& att, const engine::Term& allowed,
                  const engine::Term& numbers, const engine::Term& x);
// gen_h_auxs/4 (Table, Allowed, Numbers, Held): every held entry some X
// allows gets its auxiliary assigned from the attribute.
bool gen_h_auxs(Run& run, const engine::Term& table, const engine::Term& allowed,
                const engine::Term& numbers, const std::vector<engine::Term>& held);
// unique_index_atts/2: the attributes of the table's first unique index
// (index_i(Table, [Name, u, Attributes | _])), each as [[], A, A].
engine::Term unique_index_atts(Run& run, const engine::Term& table);
// u_proc_name/3 (Key, Suffix, Name): a U-numbered routine, numbered with
// the S and E routines of the program (proc_id_name/3); the same key gives
// the same name.
std::string u_proc_name(Run& run, const engine::Term& key, std::string_view suffix);
// cs_connect_s/0, cs_connect_f/0: CS_CONNECT begins with "S", or not.
bool cs_connect_s(Run& run);
bool cs_connect_f(Run& run);

}  // namespace qn::logic
