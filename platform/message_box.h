// Message boxes: the caption and the text go to stderr. On an interactive
// terminal (stderr is a terminal and the process is in the foreground of
// its controlling terminal) a box with Yes and No asks y/n and an OK box
// waits for Enter; otherwise a Yes/No box answers Yes and an OK box goes on
// at once. Tests replace the whole box with a hook.
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
using MessageBoxHook =
    std::function<int(std::string_view text, std::string_view caption, unsigned flags)>;
MessageBoxHook set_message_box_hook(MessageBoxHook hook);

}  // namespace qn::platform
