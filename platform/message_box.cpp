#include "platform/message_box.h"

#include <mutex>
#include <string>

#include "platform/terminal.h"

namespace qn::platform {

namespace {

std::mutex g_hook_mutex;
MessageBoxHook g_hook;

const char* icon_mark(unsigned flags) {
  switch (flags & 0xF0) {
    case 0x10:
      return "[x] ";
    case 0x20:
      return "[?] ";
    case 0x30:
      return "[!] ";
    case 0x40:
      return "[i] ";
    default:
      return "";
  }
}

}  // namespace

MessageBoxHook set_message_box_hook(MessageBoxHook hook) {
  std::lock_guard lock(g_hook_mutex);
  std::swap(g_hook, hook);
  return hook;
}

int message_box(std::string_view text, std::string_view caption, unsigned flags) {
  {
    MessageBoxHook hook;
    {
      std::lock_guard lock(g_hook_mutex);
      hook = g_hook;
    }
    if (hook) return hook(text, caption, flags);
  }
  bool yes_no = (flags & 0x0F) == kMbYesNo;
  std::string out = "\n";
  out += icon_mark(flags);
  out.append(caption);
  out += "\n";
  out.append(text);
  if (out.back() != '\n') out += '\n';
  // The box can only be answered where it can be seen: stderr must be a
  // terminal, and the process must own the terminal's keyboard.
  std::unique_ptr<Keyboard> keyboard = stderr_is_terminal() ? Keyboard::open() : nullptr;
  if (!keyboard) {
    write_stderr(out);
    return yes_no ? kIdYes : kIdOk;
  }
  out += yes_no ? "(y/n) " : "(press Enter) ";
  write_stderr(out);
  for (;;) {
    int key = keyboard->wait_key();
    if (key < 0) {
      write_stderr("\n");
      return yes_no ? kIdYes : kIdOk;
    }
    if (!yes_no) {
      if (key == '\n' || key == '\r') {
        write_stderr("\n");
        return kIdOk;
      }
    } else if (key == 'y' || key == 'Y') {
      write_stderr("y\n");
      return kIdYes;
    } else if (key == 'n' || key == 'N' || key == 27) {
      write_stderr("n\n");
      return kIdNo;
    }
  }
}

}  // namespace qn::platform
