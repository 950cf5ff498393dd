// The error log, the debug trace and numbered messages.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qn::host {

// Thrown by LogError for internal errors; Generate shows its text.
class CCTreeException : public std::exception {
 public:
  explicit CCTreeException(std::string text) : text_(std::move(text)) {}
  const std::string& text() const { return text_; }
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string text_;
};

// Internal error codes of the host routines.
enum : short {
  kErrKbOpen = 1,
  kErrIsam = 3,
  kErrOverflow = 50,
  kErrBadOperation = 100,
  kErrInternal = 200,
  kErrNoMemory = 201,
};

// Appends a record to qnlog.err. A negative code writes a message record and
// returns 1; a code of 0 or more writes an internal-error record and throws
// CCTreeException, or returns 0 at once while another report is in progress.
int LogError(short code, std::string_view text);

// Sends a text to the system debug output and to a listening debug monitor.
void DebugTrace(int wait, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The text of a numbered message of the resource library, or
// "Msg %6u: Text not available". The last two results stay valid together.
const char* MessageText(unsigned id);

// The error log's file: "qnlog.err" in the program directory.
std::string error_log_path();

}  // namespace qn::host
