// The design-time properties of form items and their Java texts: the one
// property table (decoding of a property list and defaults), colours,
// fonts, containers and the small text rewrites of control creation.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// ctl_prop_decode/3 (Key, PropertyList, Value): the value of the first
// term of the list that the key decodes.
std::optional<engine::Term> ctl_prop_decode(Run& run, std::string_view key,
                                            const engine::Term& props);
// ctl_prop_default/2 (Key, Value): nullopt for the keys without a default
// (forergb, rectpixel, rowh, pos, th, ctrltype, ctlname).
std::optional<engine::Term> ctl_prop_default(Run& run, std::string_view key);
// ctl_property/3 (Key, PropertyList, Value), also get_ctl_property/3: the
// decoded value, else the default.
std::optional<engine::Term> ctl_property(Run& run, std::string_view key,
                                         const engine::Term& props);
// The value of ctl_property/3 as text ("" when there is none).
std::string ctl_property_text(Run& run, std::string_view key, const engine::Term& props);

// rgb_text/2: "R, G, B" of rgb(R,G,B); "0x" + six hex digits in web panels
// and HTTP main programs. nullopt for any other term.
std::optional<std::string> rgb_text(Run& run, const engine::Term& colour);
// legacy_color_rgb/2: the "(R,G,B)" of a colour-rule name (BLU+, NAVY ...).
std::optional<std::string> legacy_color_rgb(std::string_view name);
// font_style/2: the Java constant of a font style (bold, italic ...).
std::optional<std::string> font_style(std::string_view style);
// font_expr/3: "UIFactory.getFont( \"<name>\", <styles>, <size>)" of a
// decoded font [Name, Size, Styles].
std::string font_expr(const engine::Term& font);
// java_ctl_color/3: "UIFactory.getColor(<colour text>)" of a colour key.
std::string java_ctl_color(Run& run, std::string_view key, const engine::Term& props);
// control_panel_expr/2: "null" for container 0, "<page>.getQNPanel()" for a
// tab page, else "QNPanel<N>".
std::string control_panel_expr(Run& run, const engine::Term& container);
// The field name of a tab page item, by its lit_i/4 number.
std::string tabpage_field(Run& run, const engine::Term& number);
// reformat_text/2: a backslash before each double quote and backslash.
std::string reformat_text(std::string_view text);
// norm_path_slashes/2: ".bmp" becomes ".gif", backslashes "/", lower case.
std::string norm_path_slashes(std::string_view path);
// The visible rows of a subfile: (h - th + 1) / row height; a missing or
// non-positive row height counts as the whole height, one row.
int64_t subfile_visible_rows(int64_t height, int64_t title_height,
                             std::optional<int64_t> row_height);

}  // namespace qn::logic
