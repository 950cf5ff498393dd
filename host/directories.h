// Where things lie on disk: the program file and its folder, the three
// generation directories of a model, the user's directory, and the support
// files copied into a model's directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qn::host {

// Full path of the program file; fetched once per process.
const std::string& get_program_path();
// The program's folder with a trailing '/'; computed once per process.
const std::string& get_program_dir();
// The same folder (Generate takes it without its trailing separator as the
// source of the support files).
const std::string& get_exe_dir();
// Test seam: takes this path as the program file (its folder as the program
// folder); nothing restores the real one.
void set_program_path_for_tests(std::optional<std::string> path);

// The three generation directories, each ending in '\':
//   u = <user name cut to 8, or "."> "\MDL%03d\GEN%02d\"
//   s = "QNSPC%03d\GEN%02d\"
//   n = "QNSPC%03d\GEN%02d\NVG\"
// The "GEN" level takes the generation number when the version switch is
// non-zero, else 0.
struct GenerationDirs {
  std::string u, s, n;
};
GenerationDirs generation_dir_texts(int model, int generation, std::string_view user_name8,
                                    int version_switch);
// The texts for the current user and the given version switch (the caller
// reads it from the configuration); creates each directory (one level)
// unless its path begins with ".". Failures to create are ignored.
GenerationDirs get_generation_dirs(int model, int generation, int version_switch);

// The user name cut to 8 characters (or ".") followed by '\'.
std::string get_user_dir();

// Works through the support-file list `list_name` of folder `program_dir`
// into `model_dir`: copy lines, "-" deletion lines and "=" marker lines.
// 1, or 0 when the list cannot be opened. show = 1 shows each copy and
// deletion on the dialog's action line.
int CopySupportFiles(std::string_view program_dir, std::string_view model_dir,
                     std::string_view list_name, int show);

}  // namespace qn::host
