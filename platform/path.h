// Paths as the program's own texts write them ("MDL001\GEN11\", ".\extprog.ini")
// mapped to the file system: '\' and '/' are both separators, and every
// name along the path is resolved case-insensitively, as the product's
// file system did.
#pragma once

#include <string>
#include <string_view>

namespace qn::platform {

// True for '\' and '/'.
inline bool is_separator(char c) { return c == '\\' || c == '/'; }

// '\' becomes '/'; each existing component is replaced by the entry of its
// folder whose name equals it ignoring case (the exact name first). The
// components that do not exist are kept as written, so the result can name
// a file about to be created.
std::string map_path(std::string_view path);

// A path as a person sees it here (status lines, boxes, the error log): '\'
// becomes '/'. The program's own path texts keep their '\'; only what is
// shown goes through this.
std::string shown_path(std::string_view path);

// Joins a folder and a name with one separator.
std::string join_path(std::string_view dir, std::string_view name);

// The folder of the running program, with a trailing '/'.
std::string program_dir();

// The current directory, with a trailing '/': during a run (a folder index in
// force) read once and kept until the program changes folder.
std::string current_dir();
// The same, always asked of the system.
std::string read_current_dir();

}  // namespace qn::platform
