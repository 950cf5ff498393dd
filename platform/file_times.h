// Times and identity of files: what a copy needs to hand its source's time
// on to the target and to refuse copying a file onto itself. Paths are
// file-system paths (see map_path).
#pragma once

#include <cstdint>
#include <string_view>

namespace qn::platform {

// The last modification of the file, in seconds since 1970.
bool file_modification_time(std::string_view path, int64_t& seconds);
// Sets the file's access and modification times (seconds since 1970).
bool set_file_times(std::string_view path, int64_t access, int64_t modification);
// True when both paths name one existing file (also through links or
// another spelling of the path).
bool same_file(std::string_view a, std::string_view b);

}  // namespace qn::platform
