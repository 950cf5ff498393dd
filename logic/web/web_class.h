// The class of a web panel: the object kind's generator.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_webpanel_object/2 (Object, [Kind, _, Name | _]): the whole class of a
// web panel, left open for the object loop to close; fails, writing
// nothing more, when a part cannot be written.
bool gen_webpanel_object(Run& run, int64_t number, const engine::Term& spec);

namespace web {

// choice_or_label_ctl/1: label, checkbox, combo, radio, dyncombo,
// dynlistbx and listbx.
bool choice_or_label_ctl(std::string_view kind);
// gen_redirect/1: "redirect( <Java expression> );".
bool gen_redirect(Run& run, std::string_view java);

}  // namespace web
}  // namespace qn::logic
