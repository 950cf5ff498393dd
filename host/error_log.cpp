#include "host/error_log.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <optional>

#include "host/directories.h"
#include "host/run_state.h"
#include "host/user_name.h"
#include "platform/clock.h"
#include "platform/debug_output.h"
#include "platform/folder_index.h"
#include "platform/isam/isam.h"
#include "platform/resource_library.h"

namespace qn::host {

namespace {

// True while an internal-error report is being written; a second report
// meanwhile (a failure inside the report itself) returns at once.
bool g_report_in_progress = false;

// Ends the report in progress however LogError is left, so that a report
// abandoned by an unexpected exception (out of memory while formatting)
// does not silence every later one.
struct ReportScope {
  ReportScope() { g_report_in_progress = true; }
  ~ReportScope() { g_report_in_progress = false; }
  ReportScope(const ReportScope&) = delete;
  ReportScope& operator=(const ReportScope&) = delete;
};

std::string time_text() { return platform::ctime_text(platform::local_now()); }

std::string current_dir_text() {
  std::error_code ec;
  auto dir = std::filesystem::current_path(ec);
  return ec ? std::string() : dir.string();
}

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(out.data(), out.size() + 1, fmt, args);
  va_end(args);
  return out;
}

bool has_isam_line(short code) { return (code >= 0 && code <= 5) || code == 200; }

}  // namespace

std::string error_log_path() {
  const std::string& dir = get_program_dir();
  return dir.empty() ? std::string("qnlog.err") : dir + "qnlog.err";
}

int LogError(short code, std::string_view text) {
  int saved_errno = errno;
  short isam = -1;
  short secondary = -1;
  std::optional<ReportScope> report;
  if (code >= 0) {
    if (g_report_in_progress) return 0;
    report.emplace();
    isam = isam::IsamLastError();
    secondary = isam::IsamLastSecondaryError();
    if (isam != 24 && isam != 26) isam::IsamCloseSet();
  }
  std::string t(text);
  std::string isam_line = format("\nISAM error: %2d-%2d-%2d", isam, secondary, saved_errno);

  std::string record = format("\n%s ON Date %sIn %s:", code < 0 ? "LOG" : "ERROR",
                              time_text().c_str(), get_program_path().c_str());
  record += format("\nCurrent dir   %s", current_dir_text().c_str());
  record += format("\nCurrent Model %d", run_state().current_model_record);
  record += format("\nCurrent user  %s", get_user_name().c_str());
  if (code >= 0) {
    record += format("\nInternal ERROR --> %d in function: %s", code, t.c_str());
    record += has_isam_line(code) ? isam_line : std::string("\n");
  } else if (code == -1) {
    record += "\nMsg:\n" + t;
  } else {
    record += format("\nMsg: %d - \n%s", -code, t.c_str());
  }
  record += "\n";

  const std::string log_path = error_log_path();
  if (std::FILE* log = std::fopen(log_path.c_str(), "ab")) {
    platform::note_created(log_path);
    std::fwrite(record.data(), 1, record.size(), log);
    std::fclose(log);
  }
  if (code < 0) return 1;
  throw CCTreeException(format("Internal Error %d in function %s", code, t.c_str()) + isam_line);
}

namespace {

std::mutex g_trace_mutex;
std::string g_kept_trace;  // texts waiting for a monitor
constexpr size_t kMonitorTextLimit = 1024;

}  // namespace

void DebugTrace(int wait, const char* format_text, ...) {
  char buf[4096];
  va_list args;
  va_start(args, format_text);
  std::vsnprintf(buf, sizeof buf, format_text, args);
  va_end(args);
  std::string_view text(buf);
  platform::debug_output(text);

  auto monitor = platform::DebugMonitor::open();
  if (!monitor) return;
  std::lock_guard lock(g_trace_mutex);
  // Only the first 1024 characters ever reach the monitor; keep no more.
  g_kept_trace.append(
      text.substr(0, kMonitorTextLimit - std::min(kMonitorTextLimit, g_kept_trace.size())));
  if (monitor->buffer_ready(wait != 0)) {
    monitor->send(g_kept_trace);
    g_kept_trace.clear();
  }
}

const char* MessageText(unsigned id) {
  static std::mutex mutex;
  static std::string buffers[2];
  static int next = 0;
  std::lock_guard lock(mutex);
  std::string& out = buffers[next];
  next ^= 1;
  std::optional<std::string> text;
  if (auto library = platform::resource_library()) text = library->load_string(id);
  out = text ? *std::move(text) : format("Msg %6u: Text not available", id);
  return out.c_str();
}

}  // namespace qn::host
