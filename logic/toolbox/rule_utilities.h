// Small rule sets several generators share: the length of an attribute as
// a generated variable, the code of a user event, the Refresh command, and
// the working attribute facts of a list of attributes. (The loop hooks are
// in logic/core/utilities.h.)
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// att_len_cap/3: 15 for a numeric type longer than 15; the length of the
// control property type Bitmap for bits; else Length.
int64_t att_len_cap(const engine::Term& type, int64_t length);
// bits_default_pic/4: the empty picture.
inline std::string bits_default_pic() { return ""; }
// gen_user_event/2: Rfr is the Refresh command of Level; an event with a
// header in the event source is called through the statement translator;
// otherwise nothing is written. Always succeeds.
bool gen_user_event(Run& run, const engine::Term& event, const engine::Term& level);
// refresh_cmd/2: gen_refresh_cmd/2.
bool refresh_cmd(Run& run, const engine::Term& level, const engine::Term& mode);
// assert_attri/10 (with the fixed tail 1, '', '', 0): attri_i(Att, [Name,
// Type, Length, Decimals, Picture, 1, '', '', 0]) first, unless Att has an
// attri_i/2 fact already.
void assert_attri(Run& run, const engine::Term& att, const engine::Term& name,
                  const engine::Term& type, const engine::Term& length,
                  const engine::Term& decimals, const engine::Term& picture);
// assert_attris/2: assert_attri/10 of each attribute of the list with its
// type, name and picture in Model; always succeeds.
void assert_attris(Run& run, const engine::Term& model, const engine::Term& atts);
// retract_attris/1: one attri_i/2 fact of each attribute; always succeeds.
void retract_attris(Run& run, const engine::Term& atts);

// level_atts_mode_check/1 (Mode u, d or i): the first level's attributes
// hold the standard variable Mode, and each of its key attributes (third
// element of level_i/2) is one of its attributes or the output (v_i/4 f, o)
// of a formula action (a_i/6 kind f) of the level; for Mode i only a
// formula whose fifth element is [] and whose information starts with a
// list holding insert counts. With check_mode false the first condition is
// left out (the user-mode key check of work panels).
bool level_atts_mode_check(Run& run, std::string_view mode, bool check_mode = true);

}  // namespace qn::logic
