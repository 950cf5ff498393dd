// The classes behind a form's subfiles: the element class (one object per
// line of the grid, its own source file) and, in work panels, the flow class
// the runtime's subfile asks how to load, refresh, search, colour and
// protect its lines (an inner class of the panel). Also the names both use
// and the level a subfile shows.
//
// Working facts: lvl2sub_i/2 and notlvl2sub_i/2 (Level, N), the answers of
// is_lvl2sub/2; need_subfile_variables_i/1 (N) while a flow class is
// written: the variables of N's elements are then read from its element
// object; in_event_i/1 (s(N) or 'Search') while conditions are translated
// for an element; subfile_noaccept_i/0 once a no-accept condition is
// written.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// is_lvl2sub/2 (Level, N): the level is the one subfile N shows (the
// navigation's sfl_level/2), memoised either way.
bool is_lvl2sub(Run& run, const engine::Term& level, const engine::Term& subfile);
// The level subfile N shows: the first level_i/2 level that is_lvl2sub/2
// answers; nullopt when N shows none.
std::optional<engine::Term> subfile_shown_level(Run& run, const engine::Term& subfile);

// subfile_element_name/3: a variable of the is_i/2 facts keeps its name; an
// attribute its name; any other name X is "V" + X; old(X) "O" + the name of
// X, seudo(X) "Z", previous(X) "E".
std::string subfile_element_name(Run& run, const engine::Term& element);
// The element class of subfile N: "sub" + the kind's letter + N (2 digits)
// + the object number (5 digits); its source stem "s" + N + the number.
std::string subfile_class_name(Run& run, const engine::Term& subfile);
std::string subfile_class_stem(Run& run, const engine::Term& subfile);
// subfile_obj_name/2: the element object, the class name in lower case.
std::string subfile_obj_name(Run& run, const engine::Term& subfile);
// subf_obj_att_name/4: "<element object>.<Prefix><field name>".
std::string subf_obj_att_name(Run& run, const engine::Term& subfile, const engine::Term& element,
                              const std::string& prefix);
// The subfile numbers of the form's s(N) items, in form order.
std::vector<engine::Term> form_subfile_numbers(Run& run);

// gen_subfile_element_class/1 (N): the element class in its own source
// (mode cpm: Stem.jtm, renamed to Class.java by the copy list); a subfile
// whose level it does not show gets no class.
bool gen_subfile_element_class(Run& run, int64_t model, const engine::Term& subfile);
// The element class's text (imports, class, members) on the output open.
bool write_subfile_element_class(Run& run, const engine::Term& subfile);
// gen_subfile_classes/0: the element class of every subfile of the form.
bool gen_subfile_classes(Run& run, int64_t model);
// subfile_flow_control/1 (N): the flow class "<object>_flow<NN>" in the
// panel's source. A subfile whose level it does not show gets the
// generation-error line in its place.
bool subfile_flow_control(Run& run, const engine::Term& subfile);
// The body of loadToBuffer<NN> for the subfile a level shows: the
// variables into the element object, the object onto the subfile's lines,
// a new object for the next line. Nothing for a level without a subfile.
bool gen_load_to_buffer(Run& run, const engine::Term& level);
// The same body for subfile N.
bool gen_subfile_load_to_buffer(Run& run, const engine::Term& subfile);
// The start of the Load event of a subfile's level: each attribute shown as
// a column of the level's subfile put from its auxiliary into the element
// ("<object>.set<field>(", auxiliary, ");"), the auxiliary declared.
bool gen_load_element_sets(Run& run, const engine::Term& level);

// The reference of a variable of the element of the subfile whose flow
// class is being written (need_subfile_variables_i/1): "<object>.get<field>()".
std::optional<std::string> subfile_element_var_ref(Run& run, const engine::Term& name);

}  // namespace qn::logic
