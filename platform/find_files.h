// Files of a folder by wildcard, and the few file operations the support
// files need. Names match Windows wildcards ('*', '?') ignoring case
// (Windows-1252) and come sorted by their upper-cased bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qn::platform {

bool wildcard_match(std::string_view pattern, std::string_view name);

// Regular files of `dir` (file-system path) whose names match `pattern`.
// Empty when the folder cannot be read.
std::vector<std::string> find_files(std::string_view dir, std::string_view pattern);

bool file_exists(std::string_view path);

// What a path names, a symbolic link followed (one stat, one more for a link
// that leads nowhere).
enum class FileKind {
  kMissing,       // nothing of that name
  kRegular,       // a regular file
  kDirectory,     // a folder
  kFifo,          // a named pipe: reading it could wait for ever
  kDanglingLink,  // a symbolic link to nothing
  kOther,         // a device, a socket, a link that cannot be followed
};
FileKind file_kind(std::string_view path);

// What one stat tells of a path (a link followed): its kind, size, time of
// the last change (nanoseconds since the epoch) and whether its owner may
// write it. Empty when the path names nothing that can be looked at.
struct FileInfo {
  FileKind kind = FileKind::kOther;
  int64_t size = 0;
  int64_t modified_ns = 0;
  bool owner_writable = false;
};
std::optional<FileInfo> file_info(std::string_view path);
// A few words for a kind that is not a regular file ("a folder", "a named
// pipe (FIFO)" ...), as messages name it.
const char* file_kind_text(FileKind kind);
// Creates (or empties) the file.
bool create_empty_file(std::string_view path);
bool remove_file(std::string_view path);
// Creates one folder level; false when it exists or its parent is missing.
bool make_directory(std::string_view path);
// The whole content of a regular file; false (and the text untouched) when
// it cannot be opened or a read fails, and for anything else: a folder, a
// device, a named pipe (never waited on).
bool read_whole_file(std::string_view path, std::string& text);
// Copies the bytes of `from` over `to` (written anew).
bool copy_whole_file(std::string_view from, std::string_view to);
// Keeps errno as the last error of this thread (an operation done through
// the standard library failed).
void remember_errno();
// The system's text for the last failed operation of this thread.
std::string last_error_text();

// The full path of the running program file.
std::string program_file_path();

}  // namespace qn::platform
