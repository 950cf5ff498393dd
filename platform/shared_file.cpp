#include "platform/shared_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace qn::platform {

namespace {
constexpr size_t kBufferSize = 65536;
}

SharedFile::~SharedFile() { close(); }

SharedFile::SharedFile(SharedFile&& other) noexcept { *this = std::move(other); }

SharedFile& SharedFile::operator=(SharedFile&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = std::exchange(other.fd_, -1);
    state_ = std::exchange(other.state_, State::kClosed);
    pos_ = std::exchange(other.pos_, 0);
    buffer_ = std::move(other.buffer_);
    buffer_start_ = other.buffer_start_;
    buffer_used_ = std::exchange(other.buffer_used_, 0);
  }
  return *this;
}

SharedFile::State SharedFile::open(std::string_view path, bool create) {
  close();
  const std::string p(path);
  if (p.find('\0') != std::string::npos) return state_ = State::kClosed;
  // Never truncate here: the file may be held by another open.
  const int fd = ::open(p.c_str(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0666);
  if (fd < 0) return state_ = State::kClosed;
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;  // the whole file, however it grows
  if (::fcntl(fd, F_OFD_SETLK, &lock) != 0) {
    const int err = errno;
    ::close(fd);
    return state_ = (err == EAGAIN || err == EACCES) ? State::kInUse : State::kClosed;
  }
  if (create && ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return state_ = State::kClosed;
  }
  fd_ = fd;
  pos_ = 0;
  buffer_used_ = 0;
  return state_ = State::kOpen;
}

int64_t SharedFile::size() {
  if (fd_ < 0) return -1;
  const off_t end = ::lseek(fd_, 0, SEEK_END);
  return end < 0 ? -1 : static_cast<int64_t>(end);
}

bool SharedFile::seek(int64_t offset) {
  if (fd_ < 0 || offset < 0) return false;
  pos_ = offset;
  return true;
}

int64_t SharedFile::read(void* data, size_t size) {
  if (fd_ < 0) return -1;
  char* out = static_cast<char*>(data);
  size_t done = 0;
  while (done < size) {
    if (pos_ >= buffer_start_ && pos_ < buffer_start_ + static_cast<int64_t>(buffer_used_)) {
      const size_t at = static_cast<size_t>(pos_ - buffer_start_);
      const size_t n = std::min(size - done, buffer_used_ - at);
      std::memcpy(out + done, buffer_.data() + at, n);
      done += n;
      pos_ += static_cast<int64_t>(n);
      continue;
    }
    buffer_.resize(kBufferSize);
    ssize_t got;
    do {
      got = ::pread(fd_, buffer_.data(), kBufferSize, pos_);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
      buffer_used_ = 0;
      return -1;
    }
    buffer_start_ = pos_;
    buffer_used_ = static_cast<size_t>(got);
    if (got == 0) break;
  }
  return static_cast<int64_t>(done);
}

bool SharedFile::write(const void* data, size_t size) {
  if (fd_ < 0) return false;
  // What the buffer holds of the written range is stale now.
  buffer_used_ = 0;
  const char* in = static_cast<const char*>(data);
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd_, in + done, size - done, pos_ + static_cast<int64_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  pos_ += static_cast<int64_t>(done);
  return true;
}

bool SharedFile::close() {
  if (fd_ < 0) {
    if (state_ == State::kOpen) state_ = State::kClosed;
    return true;
  }
  const bool ok = ::close(fd_) == 0;  // the lock goes with the last descriptor of the open
  fd_ = -1;
  state_ = State::kClosed;
  buffer_used_ = 0;
  return ok;
}

}  // namespace qn::platform
