// The class of a work panel: its frame, the method that creates the form,
// the focus order, the frame properties, the refresh, and the copies of
// values between the form's controls and the program's variables.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"
#include "logic/javaui/form_create.h"

namespace qn::logic {

// gen_workpanel_class/2 (ObjectNumber, [Kind, Number, Title, Name | _]).
bool gen_workpanel_class(Run& run, int64_t model, int64_t number, const engine::Term& spec);

// getcontrol/5 and sorted_controls/4: the items of a container in tab
// order ([class, top, left] by keysort); with attvar_only, the attribute
// and variable controls alone.
std::vector<FormItem> sorted_controls(Run& run, const engine::Term& container, bool attvar_only);
// window_tab_order/1: the focusable controls of a level in tab order, each
// tab control replaced by the controls of its pages in page order.
std::vector<FormItem> window_tab_order(Run& run, const engine::Term& level);

// subfile_elements/2 (N, Elements), memoised in subfile_elements_i/2: the
// attributes of the repeating group of the level the subfile shows, those
// shown as its columns first.
std::vector<engine::Term> subfile_elements(Run& run, const engine::Term& subfile);
// The rules any of whose actions is a(Kind, [...]), with the rule's
// condition (colours 26, no-accept 3 ...).
struct ActionRule {
  std::vector<engine::Term> args;
  engine::Term condition;
};
std::vector<ActionRule> action_rules(Run& run, int64_t kind);
// level_subfile_elements/2: the elements of the subfile a level shows.
std::optional<std::vector<engine::Term>> level_subfile_elements(Run& run, const engine::Term& level);

// gen_frame_methods/0.
bool gen_frame_methods(Run& run);
// focus_first_of/1 outside web objects: the focus on the first control of
// the first level's window, in tab order, that shows one of the attributes
// or variables ("setNextFocus(<field>);"); false, writing nothing, when
// none does.
bool focus_first_of_form(Run& run, const engine::Term& attributes);
// window_title_expr/1: the form's title as a Java string: the WINTITLE
// property, else the window's title, else the object's description.
std::string window_title_expr(Run& run);
// The method "screen" and "setFocusFirst".
bool gen_screen(Run& run);
// gen_var_control_sync/3: QNRefresh.
bool gen_var_control_sync(Run& run);
// gen_context_methods/0: VariablesToControls, ControlsToVariables and the
// event-context methods.
bool gen_context_methods(Run& run);
// refreshArray: for every array variable (rule dim(Var, _)) a branch
// "if (array.equals(\"<Var>\"))" that shows again every control whose
// variable stands for one of its elements (is_i(Name, [t(Var, _) |
// Subscripts])), by the element's reference.
bool gen_refresh_array(Run& run);
// "setNoAccept" and "setConditionalColor".
bool gen_no_accept(Run& run);
bool gen_conditional_color(Run& run);

}  // namespace qn::logic
