// Files read and written as raw bytes, for callers that stream data in and
// out (mail attachments, encoded files, archives), and files replaced whole
// so that a crash or a full disk never leaves them half written. Paths are
// file-system paths; a path holding a NUL byte names no file and fails to
// open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
  // Flushes the buffer and makes the file's bytes durable (fsync); false
  // when that or any earlier write failed.
  bool sync();
  // Flushes and closes; false when any write or the close failed.
  bool close();
  bool ok() const { return ok_; }
  // The system's error number of the first failure, 0 without one.
  int error() const { return error_; }

 private:
  void flush();
  void fail();

  int fd_ = -1;
  bool ok_ = false;
  int error_ = 0;
  size_t used_ = 0;
  char buffer_[65536];
};

// Why a file could not be read.
enum class FileFailure {
  kNone,
  kMissing,  // no such file, or a folder of its path is missing
  kDenied,   // no permission
  kOther,    // not a regular file, a read error, anything else
};

// A regular file opened for reading; a folder, a device or a FIFO is not
// opened (and a FIFO is never waited on).
class BinaryFileReader {
 public:
  BinaryFileReader() = default;
  ~BinaryFileReader();
  BinaryFileReader(const BinaryFileReader&) = delete;
  BinaryFileReader& operator=(const BinaryFileReader&) = delete;

  bool open(std::string_view path);
  // Up to `size` bytes; 0 at the end of the file or on a read error.
  size_t read(void* data, size_t size);
  // The rest of the file appended to bytes; false on a read error.
  bool read_all(std::vector<uint8_t>& bytes);
  // Why the last open or read failed.
  FileFailure failure() const { return failure_; }

 private:
  int fd_ = -1;
  FileFailure failure_ = FileFailure::kNone;
};

// A file replaced whole or not at all. The bytes go to a temporary file in
// the target's folder; commit() makes them durable (fsync), renames the
// temporary over the target and makes the rename durable. Until then the
// target keeps its former content, and a failure at any step (a full disk,
// a read-only folder) leaves it so and removes the temporary. A kill at any
// moment leaves the former file or the new one, at worst with a stray
// temporary beside it. A new target is noted in the run's folder index.
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  ~AtomicFileWriter() { abandon(); }
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Starts the new content of `path`. False when the temporary cannot be
  // created.
  bool create(std::string_view path);
  void write(const void* data, size_t size);
  void write(std::string_view text) { write(text.data(), text.size()); }
  // Puts the new content in place; false when any step failed.
  bool commit();
  // Drops the new content; the target is left as it was.
  void abandon();
  // The system's error number of the first failure, 0 without one.
  int error() const { return error_ != 0 ? error_ : file_.error(); }

 private:
  BinaryFileWriter file_;
  std::string path_;
  std::string temp_;
  int error_ = 0;
};

// Replaces the file at `path` by `bytes` through an AtomicFileWriter. On
// failure, error (when given) says what failed and why, with the path.
bool write_file_atomically(std::string_view path, std::string_view bytes,
                           std::string* error = nullptr);

}  // namespace qn::platform
