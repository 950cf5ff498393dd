// Files read and written as raw bytes, for callers that stream data in and
// out (mail attachments, encoded files). Paths are file-system paths; a path
// holding a NUL byte names no file and fails to open.
#pragma once

#include <cstddef>
#include <string_view>

namespace qn::platform {

// A file created (or emptied) for writing. Writes are buffered; a failed
// write or close is remembered, so one check of ok() after close() tells
// whether every byte reached the file.
class BinaryFileWriter {
 public:
  BinaryFileWriter() = default;
  ~BinaryFileWriter();
  BinaryFileWriter(const BinaryFileWriter&) = delete;
  BinaryFileWriter& operator=(const BinaryFileWriter&) = delete;

  // Creates the file, or empties an existing one. False when it cannot.
  bool create(std::string_view path);
  void write(const void* data, size_t size);
  // Flushes and closes; false when any write or the close failed.
  bool close();
  bool ok() const { return ok_; }

 private:
  void flush();

  int fd_ = -1;
  bool ok_ = false;
  size_t used_ = 0;
  char buffer_[65536];
};

// A file opened for reading.
class BinaryFileReader {
 public:
  BinaryFileReader() = default;
  ~BinaryFileReader();
  BinaryFileReader(const BinaryFileReader&) = delete;
  BinaryFileReader& operator=(const BinaryFileReader&) = delete;

  bool open(std::string_view path);
  // Up to `size` bytes; 0 at the end of the file or on a read error.
  size_t read(void* data, size_t size);

 private:
  int fd_ = -1;
};

}  // namespace qn::platform
