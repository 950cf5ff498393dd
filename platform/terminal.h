// The console the program's progress is shown on: stderr, the keyboard of
// the controlling terminal and Ctrl-C. stdout is never touched here (it
// carries the automation protocol).
#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace qn::platform {

bool stderr_is_terminal();
// Whether a terminal of this TERM type follows cursor moves: not when TERM
// is unset, empty or "dumb".
bool term_moves_cursor(const char* term);
// stderr is a terminal that follows cursor moves (TERM of the environment).
bool stderr_takes_cursor_moves();
// Width of the terminal on stderr (80 when unknown).
int terminal_columns();
// Writes the whole text to stderr, unbuffered.
void write_stderr(std::string_view text);

// The keyboard of the controlling terminal, read key by key without echo.
// Exists only when the process has a controlling terminal and is in its
// foreground (so reading it never stops the process). The terminal's mode
// is restored when the object goes.
class Keyboard {
 public:
  static std::unique_ptr<Keyboard> open();
  ~Keyboard();
  Keyboard(const Keyboard&) = delete;
  Keyboard& operator=(const Keyboard&) = delete;

  int fd() const { return fd_; }
  // The next key without waiting, -1 when none.
  int read_key();
  // Waits for the next key; -1 when the terminal went away.
  int wait_key();

 private:
  Keyboard(int fd, const void* saved_mode);
  int fd_;
  std::unique_ptr<char[]> saved_;  // saved terminal mode
};

// While one exists, Ctrl-C (SIGINT) does not end the process: the signal
// handler only writes a byte to a pipe, which the owner watches through
// fd() and empties with take(). The previous handling is restored when the
// object goes. One at a time.
class InterruptWatch {
 public:
  InterruptWatch();
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  int fd() const;
  // True when Ctrl-C was pressed since the last call.
  bool take();
};

// Waits until one of the descriptors (negative ones are skipped) is
// readable or `timeout_ms` has passed; the result says which are readable.
std::vector<bool> wait_readable(std::span<const int> fds, int timeout_ms);

}  // namespace qn::platform
