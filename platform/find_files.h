// Files of a folder by wildcard, and the few file operations the support
// files need. Names match Windows wildcards ('*', '?') ignoring case
// (Windows-1252) and come sorted by their upper-cased bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qn::platform {

bool wildcard_match(std::string_view pattern, std::string_view name);

// Regular files of `dir` (file-system path) whose names match `pattern`.
// Empty when the folder cannot be read.
std::vector<std::string> find_files(std::string_view dir, std::string_view pattern);

bool file_exists(std::string_view path);
// Creates (or empties) the file.
bool create_empty_file(std::string_view path);
bool remove_file(std::string_view path);
// Creates one folder level; false when it exists or its parent is missing.
bool make_directory(std::string_view path);
// The whole content of a file; false (and the text untouched) when it
// cannot be opened or a read fails, as for a folder.
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
