#include "platform/binary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/folder_index.h"

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

void BinaryFileWriter::fail() {
  if (ok_ || error_ == 0) error_ = errno != 0 ? errno : EIO;
  ok_ = false;
}

bool BinaryFileWriter::create(std::string_view path) {
  close();
  error_ = 0;
  errno = 0;
  fd_ = open_path(path, O_WRONLY | O_CREAT | O_TRUNC);
  ok_ = true;
  used_ = 0;
  if (fd_ < 0) fail();
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
          if (w == 0) errno = ENOSPC;
          fail();
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
      if (w == 0) errno = ENOSPC;
      fail();
      break;
    }
    off += static_cast<size_t>(w);
  }
  used_ = 0;
}

bool BinaryFileWriter::sync() {
  if (fd_ < 0) return false;
  flush();
  if (ok_ && ::fsync(fd_) != 0) fail();
  return ok_;
}

bool BinaryFileWriter::close() {
  if (fd_ < 0) return ok_;
  flush();
  if (::close(fd_) != 0) fail();
  fd_ = -1;
  return ok_;
}

namespace {

FileFailure failure_of(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileFailure::kMissing;
    case EACCES:
    case EPERM:
      return FileFailure::kDenied;
    default:
      return FileFailure::kOther;
  }
}

}  // namespace

BinaryFileReader::~BinaryFileReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool BinaryFileReader::open(std::string_view path) {
  if (fd_ >= 0) ::close(fd_);
  failure_ = FileFailure::kNone;
  errno = 0;
  // Without O_NONBLOCK the open of a FIFO would wait for a writer.
  fd_ = open_path(path, O_RDONLY | O_NONBLOCK);
  if (fd_ < 0) {
    failure_ = errno == 0 ? FileFailure::kMissing : failure_of(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    failure_ = FileFailure::kOther;
    return false;
  }
  return true;
}

size_t BinaryFileReader::read(void* data, size_t size) {
  if (fd_ < 0) return 0;
  for (;;) {
    ssize_t n = ::read(fd_, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) failure_ = FileFailure::kOther;
    return n > 0 ? static_cast<size_t>(n) : 0;
  }
}

bool BinaryFileReader::read_all(std::vector<uint8_t>& bytes) {
  if (fd_ < 0) return false;
  uint8_t buffer[65536];
  while (size_t n = read(buffer, sizeof buffer)) bytes.insert(bytes.end(), buffer, buffer + n);
  return failure_ == FileFailure::kNone;
}

// ---------------------------------------------------------------- atomic replacement

namespace {

// The folder part of a path ("." for a bare name) and the name.
std::pair<std::string, std::string> split_folder(std::string_view path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {".", std::string(path)};
  return {slash == 0 ? "/" : std::string(path.substr(0, slash)), std::string(path.substr(slash + 1))};
}

// Makes a rename in the folder durable. A file system that cannot sync a
// folder has nothing more to make durable.
bool sync_folder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
  ::close(fd);
  return ok;
}

}  // namespace

bool AtomicFileWriter::create(std::string_view path) {
  abandon();
  error_ = 0;
  if (path.empty() || path.back() == '/' || path.find('\0') != std::string_view::npos) {
    error_ = ENOENT;
    return false;
  }
  static std::atomic<unsigned> serial{0};
  const auto [folder, name] = split_folder(path);
  path_.assign(path);
  // Hidden and per writer, so no listing of the folder's own names takes
  // it for one of them and two writers never share it.
  temp_ = (folder == "/" ? std::string() : folder) + "/." + name + "." +
          std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".tmp";
  if (!file_.create(temp_)) {
    temp_.clear();
    return false;
  }
  // The new file keeps the permissions of the one it replaces.
  struct stat st {};
  if (::stat(path_.c_str(), &st) == 0) ::chmod(temp_.c_str(), st.st_mode & 07777);
  return true;
}

void AtomicFileWriter::write(const void* data, size_t size) {
  if (!temp_.empty()) file_.write(data, size);
}

bool AtomicFileWriter::commit() {
  if (temp_.empty()) return false;
  const bool written = file_.sync();
  if (!file_.close() || !written) {
    abandon();
    return false;
  }
  const bool existed = ::access(path_.c_str(), F_OK) == 0;
  if (::rename(temp_.c_str(), path_.c_str()) != 0) {
    error_ = errno;
    abandon();
    return false;
  }
  temp_.clear();
  if (!sync_folder(split_folder(path_).first)) {
    error_ = errno != 0 ? errno : EIO;
    return false;
  }
  if (!existed) note_created(path_);
  return true;
}

void AtomicFileWriter::abandon() {
  if (temp_.empty()) return;
  file_.close();
  ::unlink(temp_.c_str());
  temp_.clear();
}

bool write_file_atomically(std::string_view path, std::string_view bytes, std::string* error) {
  AtomicFileWriter file;
  bool ok = file.create(path);
  if (ok) {
    file.write(bytes);
    ok = file.commit();
  }
  if (!ok && error) *error = "Cannot write " + std::string(path) + ": " + std::strerror(file.error());
  return ok;
}

}  // namespace qn::platform
