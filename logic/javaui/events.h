// The events of a work panel's controls: the kinds of listener they need,
// the registration of listeners when a control is created, and the
// dispatch methods the runtime calls with the event source.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// ctl_event_kind/3 (ControlKind, Kind, Event): every kind (item, mouse,
// focus) the event of such a control has.
std::vector<std::string> ctl_event_kind(std::string_view control_kind, std::string_view event);
// One event header of the event source: the control named (t(Name, Kind),
// or none for an event of the form) and the event's name.
struct EventHeader {
  engine::Term control;  // [] for an event of the form
  std::string event;
};
std::vector<EventHeader> event_headers(Run& run);
// ctl_id/3: the lit_i/4 number of the control an event names, 0 when none.
int64_t ctl_id(Run& run, const engine::Term& control);
// Asserts event_info_i(EventToken, ControlNumber) for every event header.
void note_event_controls(Run& run);
// register_listeners/2 (ControlNumber, FieldName).
bool register_listeners(Run& run, const engine::Term& number, std::string_view field,
                        std::string_view control_kind);
// gen_event_dispatchers/0: the five dispatch methods, then in
// transactions the key and body control tests.
bool gen_event_dispatchers(Run& run);
// Transactions: "isKeyControl" (the first level's key attributes shown on
// the form) and "isBodyControl" (its other shown attributes): true for the
// control of such an attribute whose value differs from the attribute's.
bool gen_key_body_tests(Run& run);

}  // namespace qn::logic
