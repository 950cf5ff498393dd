// The host services the main road calls, gathered in one place: each one is
// a host-interface predicate or an engine built-in, called with the
// arguments the object loop uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// program_dir/1: the program directory with a trailing backslash.
std::string program_directory(Run& run);
// i_get_model/3: (model, status, offset) of the model selected for the run.
bool get_model(Run& run, int64_t& model, int64_t& status, int64_t& offset);
// i_get_dirgen/5: the u, s and n generation directories.
bool i_get_dirgen(Run& run, int64_t model, int64_t generator, std::string& u, std::string& s,
                  std::string& n);
// i_model_info/2: the directory of the model record.
bool model_info_dir(Run& run, int64_t model, std::string& dir);

// Dialog: files bar range, object bar range, one list row, an error box
// (the run then ends as one that reported errors).
void files_bar_total(Run& run, int64_t n);
void object_bar_range(Run& run, int64_t n);
void post_object_row(Run& run, const engine::Term& kind, const engine::Term& name,
                     const engine::Term& title);
void show_error_box(Run& run, std::string_view text);

// Profile-string read (ini_read_entry/5).
std::string ini_read(Run& run, std::string_view file, std::string_view section,
                     std::string_view key, std::string_view def);

// Directory listing of a path with a wildcard pattern: the names, sorted.
std::vector<std::string> list_directory(Run& run, std::string_view pattern);
// deletefile/1.
bool delete_file(Run& run, std::string_view path);
// A whole text file replaced at once (a kill or a full disk leaves the
// former file or the new one); false when it could not be written.
bool replace_file(Run& run, std::string_view path, std::string_view text);
// Renews an existing file's date by appending one blank (a make file whose
// program need not be rebuilt). False, with nothing created, when the file
// does not exist or cannot be written.
bool append_blank(Run& run, std::string_view path);
// mkdir/1: one folder (its parent must exist).
bool make_directory(Run& run, std::string_view path);
// A folder of that path exists (a directory listing of the path itself).
bool directory_exists(Run& run, std::string_view path);

// The clock of the run (date and time of generation).
struct ClockTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, hundredth = 0;
};
ClockTime host_clock(Run& run);

}  // namespace qn::logic
