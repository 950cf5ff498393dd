#include "logic/javaui/control_classes.h"

namespace qn::logic {

namespace {
const CtlClassRow kRows[] = {
    {"rect", "rct", "IQNRectangle", nullptr, nullptr},
    {"tabcontrol", "", "QNTabControl", nullptr, nullptr},
    {"tabpage", "", "QNTabPage", nullptr, nullptr},
    {"label", "lbl", "ILabel", nullptr, nullptr},
    {"button", "btt", "IQNButton", nullptr, nullptr},
    {"radio", "rad", "IQNRadioButton", "IChoice", nullptr},
    {"edit", "edt", "QNEdit", nullptr, nullptr},
    {"combo", "cmb", "QNComboBox", "IChoice", nullptr},
    {"listbx", "lst", "QNListBox", "IListbox", nullptr},
    {"dynlistbx", "dlt", "QNListBox", "IListbox", nullptr},
    {"dyncombo", "dyn", "QNComboBox", "IChoice", "cmb"},
    {"checkbox", "chk", "QNCheckBox", "ICheckbox", nullptr},
    {"bitmap", "img", "IQNImage", nullptr, nullptr},
};
}  // namespace

std::span<const CtlClassRow> ctl_class_rows() { return kRows; }

std::optional<CtlClass> ctl_java_class(std::string_view kind, const engine::Term&, bool web) {
  for (const CtlClassRow& r : kRows) {
    if (kind != r.kind) continue;
    if (web && r.web_cls) return CtlClass{r.web_prefix ? r.web_prefix : r.prefix, r.web_cls};
    return CtlClass{r.prefix, r.cls};
  }
  return std::nullopt;
}

}  // namespace qn::logic
