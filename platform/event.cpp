#include "platform/event.h"

namespace qn::platform {

void Event::set() {
  {
    std::lock_guard lock(mutex_);
    signalled_ = true;
  }
  cv_.notify_all();
}

void Event::reset() {
  std::lock_guard lock(mutex_);
  signalled_ = false;
}

void Event::wait() {
  std::unique_lock lock(mutex_);
  cv_.wait(lock, [&] { return signalled_; });
}

bool Event::wait_for(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return cv_.wait_for(lock, timeout, [&] { return signalled_; });
}

bool Event::is_set() const {
  std::lock_guard lock(mutex_);
  return signalled_;
}

}  // namespace qn::platform
