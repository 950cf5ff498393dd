// Message boxes: the caption and the text go to stderr. A box with Yes and
// No asks on the controlling terminal (y/n); an OK box waits for Enter on
// an interactive terminal and goes on at once otherwise. Tests replace the
// whole box with a hook.
#pragma once

#include <functional>
#include <string_view>

namespace qn::platform {

enum : unsigned {
  kMbOk = 0x00,
  kMbYesNo = 0x04,
  kMbIconQuestion = 0x20,
  kMbIconExclamation = 0x30,
  kMbTaskModal = 0x2000,
};

enum : int { kIdOk = 1, kIdYes = 6, kIdNo = 7 };

// Shows the box and returns the button chosen: kIdOk for an OK box; kIdYes
// or kIdNo for a Yes/No box (kIdYes when there is no terminal to ask).
int message_box(std::string_view text, std::string_view caption, unsigned flags);

// Replaces the box for tests; an empty hook restores the real one. Returns
// the previous hook.
using MessageBoxHook = std::function<int(std::string_view text, std::string_view caption, unsigned flags)>;
MessageBoxHook set_message_box_hook(MessageBoxHook hook);

}  // namespace qn::platform
