// The class of a procedure or report, in its fixed order, and the applet
// page of a main object.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_proc_object/3 (Object, [Kind, Title, Name | Rest]): the whole class;
// fails, leaving the class unwritten, when a parameter has no description
// or Java type.
bool gen_proc_object(Run& run, int64_t model, int64_t number, const engine::Term& spec);
// object_class_file/2: the applet page of a main object, named after its
// class (.htm) in the model directory.
bool object_class_file(Run& run, int64_t model, const engine::Term& kind,
                       const engine::Term& program);
// applet_page/3 (ClassReference, PageName): html.tpl with its six values,
// then the page's end. "Error generating HTML" when the template cannot be
// expanded.
bool applet_page(Run& run, int64_t model, std::string_view class_reference,
                 std::string_view page_name);

}  // namespace qn::logic
