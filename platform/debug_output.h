// The system debug output (syslog at debug level) and the exchange with a
// listening debug monitor: the 4096-byte shared memory "DBWIN_BUFFER" and
// the two named semaphores "DBWIN_BUFFER_READY" (the monitor is ready for a
// text) and "DBWIN_DATA_READY" (a text is in the buffer). The buffer holds
// the writer's process id in its first 4 bytes, then the text, NUL-ended.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qn::platform {

void debug_output(std::string_view text);

constexpr size_t kDebugBufferSize = 4096;

// The writer's side. open() gives null when any of the three objects is
// missing (no monitor listens).
class DebugMonitor {
 public:
  static std::unique_ptr<DebugMonitor> open();
  ~DebugMonitor();
  DebugMonitor(const DebugMonitor&) = delete;
  DebugMonitor& operator=(const DebugMonitor&) = delete;

  // Waits for "buffer ready": without limit when `wait`, else only tests it.
  bool buffer_ready(bool wait);
  // Writes the process id and the text (cut to fit) and signals "data ready".
  void send(std::string_view text);

 private:
  DebugMonitor() = default;
  void* buffer_ = nullptr;
  void* buffer_ready_ = nullptr;
  void* data_ready_ = nullptr;
};

// The listening side, for tools and tests: creates the three objects and
// removes them when it goes.
class DebugMonitorListener {
 public:
  DebugMonitorListener();
  ~DebugMonitorListener();
  DebugMonitorListener(const DebugMonitorListener&) = delete;
  DebugMonitorListener& operator=(const DebugMonitorListener&) = delete;

  // Signals "buffer ready".
  void ready();
  // Waits up to `timeout_ms` for a text; false on time-out.
  bool take(uint32_t& pid, std::string& text, int timeout_ms);

 private:
  void* buffer_ = nullptr;
  void* buffer_ready_ = nullptr;
  void* data_ready_ = nullptr;
};

// Prefix put before the three names (tests use their own so that they do
// not meet a real monitor). Empty by default.
void set_debug_monitor_prefix(std::string prefix);

}  // namespace qn::platform
