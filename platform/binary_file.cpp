#include "platform/binary_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace qn::platform {

namespace {

int open_path(std::string_view path, int flags) {
  if (path.empty() || path.find('\0') != std::string_view::npos) return -1;
  int fd;
  do {
    fd = ::open(std::string(path).c_str(), flags | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace

BinaryFileWriter::~BinaryFileWriter() { close(); }

bool BinaryFileWriter::create(std::string_view path) {
  close();
  fd_ = open_path(path, O_WRONLY | O_CREAT | O_TRUNC);
  ok_ = fd_ >= 0;
  used_ = 0;
  return ok_;
}

void BinaryFileWriter::write(const void* data, size_t size) {
  if (fd_ < 0) return;
  const char* p = static_cast<const char*>(data);
  if (used_ + size > sizeof buffer_) {
    flush();
    if (size >= sizeof buffer_) {
      while (size > 0 && ok_) {
        ssize_t w = ::write(fd_, p, size);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
          ok_ = false;
          break;
        }
        p += w;
        size -= static_cast<size_t>(w);
      }
      return;
    }
  }
  std::memcpy(buffer_ + used_, p, size);
  used_ += size;
}

void BinaryFileWriter::flush() {
  size_t off = 0;
  while (off < used_ && ok_) {
    ssize_t w = ::write(fd_, buffer_ + off, used_ - off);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) {
      ok_ = false;
      break;
    }
    off += static_cast<size_t>(w);
  }
  used_ = 0;
}

bool BinaryFileWriter::close() {
  if (fd_ < 0) return ok_;
  flush();
  if (::close(fd_) != 0) ok_ = false;
  fd_ = -1;
  return ok_;
}

BinaryFileReader::~BinaryFileReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool BinaryFileReader::open(std::string_view path) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = open_path(path, O_RDONLY);
  return fd_ >= 0;
}

size_t BinaryFileReader::read(void* data, size_t size) {
  if (fd_ < 0) return 0;
  for (;;) {
    ssize_t n = ::read(fd_, data, size);
    if (n < 0 && errno == EINTR) continue;
    return n > 0 ? static_cast<size_t>(n) : 0;
  }
}

}  // namespace qn::platform
