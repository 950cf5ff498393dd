// The look of a web control (font, colours, background) as CSS: a style
// class written once by the page's head (define_styles) from the control's
// design-time properties, or, when the panel's code changes one of them,
// an inline style attribute built at run time from the control's property
// variables.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic::web {

// dhtml_property/3 and dhtml_style_value/3: the style properties of a
// control and of a subfile column's title, each with its CSS name (none
// for Backstyle and Titlebackstyle, which only decide whether the
// background is written).
struct DhtmlProperty {
  std::string_view name;
  std::string_view css;
};
std::span<const DhtmlProperty> dhtml_properties();
std::optional<std::string_view> dhtml_style_value(std::string_view property);

// property_value/3: the CSS value of a design-time value: a font name in
// single quotes, a size followed by "pt", bold, italic, underline and
// line-through when the flag is 1, a colour rgb(R, G, B) (or a number
// 0xBBGGRR) as "#RRGGBB"; none for a flag that is 0, a property without
// CSS name or a value of another shape.
std::optional<std::string> property_value(std::string_view property, const engine::Term& value);
// property_style/3: "<css name>:<value>".
std::optional<std::string> property_style(std::string_view property, const engine::Term& value);

// The design-time value of a style property in a form item's property
// list: font(Name, Size, Styles) (or font(font(...))), fore(C), back(C),
// fill; for titles titlefont(font(...)), tfore(C), tback(C).
std::optional<engine::Term> design_value(std::string_view property, const engine::Term& props);

// assigned_property/2 (Control, Property): the panel's code assigns the
// property of the control of lit_i/4 entry Lit (gathered once a page by
// collect_assigned_properties/0).
void collect_assigned_properties(Run& run);
bool assigned_property(Run& run, const engine::Term& lit, std::string_view property);

// The static style of a control (or of its title): the CSS declarations
// of its design-time values, each followed by ";". Underline is left out
// when strikethru is set; the background is written only under Backstyle 1.
std::string static_style(const engine::Term& props, bool title);

// dhtml_dyn_style_prop_exp/6: the style of a control (or its title) as a
// model-language expression of its property variables.
engine::Term dhtml_dyn_style_prop_exp(Run& run, const std::string& control, bool title);

// StyleString: the style attribute of the control of lit_i/4 entry Lit,
// as tokens: ' style="' + the expression + '"' when the code assigns one
// of its style properties, ' class="<web name>"' when it has a static
// style, else nothing (an empty list). Css, fixed terms the control always
// has (each followed by ";"), ends the style attribute, which it makes when
// there is none.
engine::Term style_string(Run& run, const engine::Term& lit, bool title = false,
                          std::string_view css = {});

// The routine define_styles: "<style type=\"text/css\">", a class per
// control whose static style is not empty and whose code assigns none of
// its style properties, "</style>".
bool gen_define_styles(Run& run);

// The initial values of the style properties of a control whose style is
// built at run time (the routine PA).
bool gen_style_initial_values(Run& run, const engine::Term& lit);

}  // namespace qn::logic::web
