// The Java classes of form controls: each control kind's field prefix and
// class, in work panels and in web panels.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/term.h"

namespace qn::logic {

struct CtlClassRow {
  const char* kind;
  const char* prefix;  // "" where the kind has none
  const char* cls;
  const char* web_cls;     // nullptr: the same class in web panels
  const char* web_prefix;  // nullptr: the same prefix in web panels
};
std::span<const CtlClassRow> ctl_class_rows();

struct CtlClass {
  std::string prefix;
  std::string cls;
};
// ctl_java_class/4 (Kind, PropertyList, Prefix, Class): in web panels a
// kind with an interface class takes it (and its web prefix).
std::optional<CtlClass> ctl_java_class(std::string_view kind, const engine::Term& props, bool web);

}  // namespace qn::logic
