// A run's index of the folders it uses. Each folder is read from the file
// system the first time it is asked for; after that its names come from
// memory, and the program's own creates and deletes keep them true. Path
// mapping, directory listings and the file built-ins ask it instead of
// reading a whole folder per object, so a run's cost stays linear in the
// number of its objects.
//
// Without an index in force (outside a run, in most tests) every question
// goes to the file system as before.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace qn::platform {

// One name of a folder, as the index keeps it.
struct FolderEntry {
  std::string name;
  bool is_dir = false;
};

// Puts an empty index in force for its lifetime (one run); the folders
// read before it are read again. Scopes do not nest: an inner one only
// keeps the outer index.
class FolderIndexScope {
 public:
  FolderIndexScope();
  ~FolderIndexScope();
  FolderIndexScope(const FolderIndexScope&) = delete;
  FolderIndexScope& operator=(const FolderIndexScope&) = delete;

 private:
  bool owner_;
};

// True while an index is in force.
bool folder_index_active();

// The entry of folder `dir` (a file-system path; empty for the current
// folder) whose name equals `name` ignoring case (Windows-1252), the smallest
// in byte order when several do. Empty when there is none.
std::string find_name_ignoring_case(std::string_view dir, std::string_view name);

// Calls `each` for every entry of `dir` whose name matches the wildcard
// pattern, sorted by upper-cased bytes (then bytes). "." and ".." are never
// given. False when the folder cannot be read.
bool for_each_entry(std::string_view dir, std::string_view pattern,
                    const std::function<void(const FolderEntry&)>& each);

// The working folder (with a trailing '/'), read once while an index is in
// force; empty without one. The program's own change of folder tells it
// (note_directory_changed).
std::string indexed_working_dir();
void note_directory_changed();

// The program's own changes: a file or folder now exists at `path`, or no
// longer does. They do nothing without an index in force.
void note_created(std::string_view path, bool is_dir = false);
void note_removed(std::string_view path);

}  // namespace qn::platform
