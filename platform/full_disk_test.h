// For tests: a disk that fills. While a FullDiskAfter lives, no file of the
// process grows beyond `bytes`: a write past it fails (EFBIG) as a write to
// a full disk does, instead of ending the process.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstddef>

namespace qn::platform {

class FullDiskAfter {
 public:
  explicit FullDiskAfter(size_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDiskAfter() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }
  FullDiskAfter(const FullDiskAfter&) = delete;
  FullDiskAfter& operator=(const FullDiskAfter&) = delete;

 private:
  struct rlimit old_ {};
  void (*old_handler_)(int) = nullptr;
};

}  // namespace qn::platform
