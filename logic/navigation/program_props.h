// Questions about the program being generated and the programs it calls:
// the attributes a level selects, an attribute's default, a called
// program's name, generator, properties and file, the target operating
// system, the hidden variables; and the record of a generated object in its
// program file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// lsel1/2 (Level, Attribute): the attributes of the level's ta_i/2 list;
// for procedures also each key of the unique index of the level's base
// table, as [Table, Key], the list does not hold already.
std::vector<engine::Term> lsel1(Run& run, const engine::Term& level);
// level_sel_atts/2: lsel1/2 united with what the level's read actions load
// (their o outputs), without duplicates, in that order.
engine::Term level_sel_atts(Run& run, const engine::Term& level);
// sfl_level/2 (Level, Subfile), first that applies: sf_break_i(Level,
// Subfile); a level whose assigned attributes (las_i/2 less its parent's)
// are all shown by the subfile's element controls (lit_i/4 el(Subfile)
// controls; in work and web panels a variable control, token type 23,
// counts too); the first level of a work panel with subfile controls.
bool sfl_level(Run& run, const engine::Term& level, const engine::Term& subfile);
// att_default_expr/2: the default value of an attribute as a token list.
engine::Term att_default_expr(Run& run, const engine::Term& att);

// call_target_name/2: a string literal (type 3) without its quotes; an
// object reference t(o(Kind, Name), 28) as the kind letter and the name.
std::optional<std::string> call_target_name(const engine::Term& token);
// drop_comma_token/2.
engine::Term drop_comma_token(const engine::Term& tokens);
// target_generator/2: the generator of the called main program
// (pgm_main_i/4 by upper-cased name), else 11.
int64_t target_generator(Run& run, const engine::Term& token);
// target_pgm_prop/3: a property of the called program (pgm_prop_i/5).
std::optional<engine::Term> target_pgm_prop(Run& run, const engine::Term& token,
                                            const engine::Term& property);
// The file name of a called program by its generator.
std::optional<std::string> target_file_name(Run& run, const engine::Term& token);
// call_target_url/2: http_prefix/1 followed by the target's link name.
std::optional<std::string> call_target_url(Run& run, const engine::Term& token);
// web_target_link/2: a web object's target (first letter H) as its
// lower-case name up to any quote.
std::optional<std::string> web_target_link(const engine::Term& token);
// target_os/1: aix or nt from the option TARGET_OS; else from DTASRC (12 nt,
// 5 aix, 8 os2); else the text "Neither specified nor inferred.".
std::string target_os(Run& run);
// hidden_vars/1: the variables of every hidden(Variables, _) rule, without
// duplicates.
engine::Term hidden_vars(Run& run);

// register_object/2 (Model, Object): the program-file record of the object
// named Object (its program name, kind letter first). Succeeds without a
// record for an object named C..., a stub of a main program another
// generator makes, and a kind without a class id; fails when the program
// file cannot be opened or the record not written.
bool register_object(Run& run, int64_t model, std::string_view object);

}  // namespace qn::logic
