// A manual-reset event: stays signalled until reset; waiters wake when it
// is set.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace qn::platform {

class Event {
 public:
  explicit Event(bool signalled = false) : signalled_(signalled) {}
  void set();
  void reset();
  // Waits without limit.
  void wait();
  // Waits up to `timeout`; true when signalled.
  bool wait_for(std::chrono::milliseconds timeout);
  bool is_set() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  bool signalled_;
};

}  // namespace qn::platform
