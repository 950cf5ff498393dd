// Operating-system services that the configuration layer needs and that no
// platform header offers yet: free disk space, changing the current
// directory, the logged-on user's name, an environment variable and the
// program directory. They belong in platform/; they sit here until the
// platform layer offers them. Each one can be replaced by a test.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qn::config {

// Kilobytes free on the file system of the current directory, or none when
// it cannot be asked.
std::optional<uint64_t> free_kilobytes();
// Changes the current directory to a path of the file system. True on success.
bool change_directory(const std::string& path);
// The logged-on user's name, or none.
std::optional<std::string> system_user_name();
// An environment variable, or none when it is not set.
std::optional<std::string> environment_value(const char* name);
// The program directory with a trailing separator.
std::string config_program_dir();

// Test seams: an empty function restores the system's own answer.
void set_free_space_probe(std::function<std::optional<uint64_t>()> probe);
void set_user_name_probe(std::function<std::optional<std::string>()> probe);
void set_program_dir_override(std::optional<std::string> dir);

}  // namespace qn::config
