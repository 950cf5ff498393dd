// Small operating-system services: free disk space, changing the current
// directory, the logged-on user's name, the environment and the thread
// priority. The free space and the user name can be replaced by a test.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qn::platform {

// Kilobytes free on the file system of the current directory, or none when
// it cannot be asked.
std::optional<uint64_t> free_kilobytes();
// Changes the current directory to a path of the file system. True on success.
bool change_directory(const std::string& path);
// The logged-on user's name, or none.
std::optional<std::string> system_user_name();
// An environment variable, or none when it is not set.
std::optional<std::string> environment_value(const char* name);
// Puts NAME=VALUE into the process environment.
void set_environment(const std::string& name, const std::string& value);
// Lowers the calling thread's scheduling priority one step below normal.
void lower_thread_priority();

// Test seams: an empty function restores the system's own answer.
void set_free_space_probe(std::function<std::optional<uint64_t>()> probe);
void set_user_name_probe(std::function<std::optional<std::string>()> probe);

}  // namespace qn::platform
