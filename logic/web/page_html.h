// The HTML a web panel writes at run time, as calls of the page writer
// (qnhtml_text for a text, qnhtml_send_web_value for a run-time value, which
// the runtime escapes): the page frame, the designed HTML with its controls
// and subfiles, the hidden fields and the page's end; the reading of the
// posted form and of its buttons; the controls' initial properties.
//
// The designed HTML is html_i(Number, Part) in fact order, each Part
// text(Text), ctl(LiteralNumber) (a control of lit_i/4) or
// sfl(LiteralNumber) (a subfile).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/web/web_request.h"

namespace qn::logic::web {

// The page from its start to the end of the designed HTML.
bool gen_html_page(Run& run);
// The end of the response: the hidden fields, then the form, body and page
// closed.
bool gen_page_end(Run& run);
// The posted values of the form's controls into their variables
// ("Read saved values.", "Read variables values.", "Read hidden variables.").
bool read_posted_values(Run& run, const engine::Term& first_level);
// gen_web_list_check/7: the check of a posted value read into Target:
// a list control's value must be one it lists (Values: [Value, Text]
// pairs), else its first; a number beyond its type's integer digits gives
// the message "badnum", a date or date-time that does not read the
// messages "faildate" or "baddatetime", and sets wbErr.
bool posted_value_check(Run& run, const engine::Term& name, const engine::Term& target,
                        const OptType& type, const PostedControl& control,
                        const std::vector<engine::Term>& values);
// The buttons' events: a DO CASE with a case per named button.
bool read_web_buttons(Run& run, const engine::Term& first_level);
// The initial properties of the form's items, in lit_i/4 order.
bool gen_initial_properties(Run& run);
// The initial focus: QN_FocusControl set to the web name of the first
// control (in lit_i/4 order) that shows an attribute or variable.
bool focus_first_level_att(Run& run, const engine::Term& first_level);
// focus_first_of/1 in web objects: QN_FocusControl set to the web name of
// the first control (in lit_i/4 order, no radio, no subfile column) that
// shows one of the attributes or variables; nothing when none does.
bool web_focus_first_of(Run& run, const engine::Term& attributes);
// gen_grid_row/2: a row of a subfile's table (its lit_i/4 entry s(N)):
// "<tr>", a cell per column with the column's value, "</tr>".
bool gen_grid_row(Run& run, const engine::Term& subfile_lit);
// The HTML-escaped text of a design-time constant (&, <, > and ").
std::string html_escape(std::string_view text);
// The variable that holds a property of a control in a web panel:
// "<control>_<Property>", declared with the property's type.
std::string prop_var(Run& run, std::string_view control, std::string_view property);

}  // namespace qn::logic::web
