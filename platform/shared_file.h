// A file opened for update that others may read but no one else may write
// while it is open: the program files shared with the other programs of the
// development environment.
//
// The file system has no share modes. The open takes a write lock on the
// whole file that belongs to this open (an open-file-description lock), so
// a second open, from another process or from this one, finds the file in
// use; readers that take no lock still read it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qn::platform {

class SharedFile {
 public:
  enum class State {
    kClosed,  // not opened, closed, or the open failed for a reason other than the lock
    kInUse,   // the open found the file locked by another open
    kOpen,
  };

  SharedFile() = default;
  ~SharedFile();
  SharedFile(SharedFile&& other) noexcept;
  SharedFile& operator=(SharedFile&& other) noexcept;
  SharedFile(const SharedFile&) = delete;
  SharedFile& operator=(const SharedFile&) = delete;

  // Opens an existing file for reading and writing, or with create set
  // creates it (read and write permission) or empties it; an existing
  // file is emptied only once the lock is held. The path is a file-system
  // path. Any open file of this object is closed first.
  State open(std::string_view path, bool create);
  State state() const { return state_; }
  bool is_open() const { return state_ == State::kOpen; }

  // The file's size in bytes; -1 on failure.
  int64_t size();
  // Moves the position; false on failure.
  bool seek(int64_t offset);
  int64_t position() const { return pos_; }
  // Up to size bytes from the position (fewer at the end); -1 on failure.
  // Reads go through a buffer, so a sequential walk costs few system calls.
  int64_t read(void* data, size_t size);
  // Writes at the position, straight to the file; false unless every byte
  // was written.
  bool write(const void* data, size_t size);
  // Releases the lock and closes; false when the close failed.
  bool close();

 private:
  int fd_ = -1;
  State state_ = State::kClosed;
  int64_t pos_ = 0;
  std::vector<char> buffer_;
  int64_t buffer_start_ = 0;  // file offset of buffer_[0]
  size_t buffer_used_ = 0;
};

}  // namespace qn::platform
