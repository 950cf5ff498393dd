// The file built-ins of the rule language: directory listing, delete,
// mkdir, chdir and text streams. Every path goes through the platform's path
// mapping ('\' and '/' both separate, names resolve ignoring case). A
// failure sets the engine's error code to kErrFile and, while file errors
// are switched on, reaches the error hook as (2, kErrFile, 0); the call then
// answers false.
#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"

namespace qn::engine {

// Attribute bits of a directory entry, as the rules test them.
enum FileAttribute : int {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,  // names starting with '.'
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,  // every plain file
};

// One result of directory/6.
struct DirEntry {
  std::string name;      // as stored in the folder
  int attributes = 0;    // FileAttribute bits
  int64_t modified = 0;  // seconds since 1970-01-01 UTC
  int64_t size = 0;      // bytes; 0 for folders
};

// directory(+Pattern, +Mask, -Name, -Attributes, -Modified, -Size):
// Pattern is a path whose last name may hold the wildcards * and ?
// ("specs\*.SPC"); names match ignoring case, and "x.*" also matches "x".
// Plain files are always listed; folders only with kAttrDirectory in Mask,
// hidden entries only with kAttrHidden; "." and ".." never. The results
// come sorted by their upper-cased bytes. A folder that does not exist
// gives no entries (and no error).
std::vector<DirEntry> directory(std::string_view pattern, int mask = 0);
// The names of the plain files matching a pattern, in the same order.
std::vector<std::string> list_files(std::string_view pattern);

// delete/1, mkdir/1, chdir/1.
bool delete_file(Engine& engine, std::string_view path);
bool make_dir(Engine& engine, std::string_view path);
bool change_dir(Engine& engine, std::string_view path);
// A whole text file replaced at once: written beside its target, made
// durable, then renamed over it, so a kill or a full disk leaves the former
// file or the new one, never a part of either.
bool replace_file(Engine& engine, std::string_view path, std::string_view text);

// open/3, write/2, close/1 of a text stream. Lines are written as given
// (LF); read mode reads the whole text.
class TextStream {
 public:
  enum class Mode { Read, Write, Append };

  TextStream() = default;
  ~TextStream();
  TextStream(const TextStream&) = delete;
  TextStream& operator=(const TextStream&) = delete;

  bool open(Engine& engine, std::string_view path, Mode mode);
  bool is_open() const { return file_.is_open(); }
  // write/2: a text as it stands, or a term as write/1 shows it.
  bool write(std::string_view text);
  bool write(const Term& t);
  // The rest of the text of a stream opened for reading.
  std::optional<std::string> read_all();
  bool close();

 private:
  std::fstream file_;
  Engine* engine_ = nullptr;
};

}  // namespace qn::engine
