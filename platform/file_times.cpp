#include "platform/file_times.h"

#include <sys/stat.h>
#include <utime.h>

#include <string>

namespace qn::platform {

bool file_modification_time(std::string_view path, int64_t& seconds) {
  struct stat st;
  if (::stat(std::string(path).c_str(), &st) != 0) return false;
  seconds = static_cast<int64_t>(st.st_mtime);
  return true;
}

bool set_file_times(std::string_view path, int64_t access, int64_t modification) {
  struct utimbuf times;
  times.actime = static_cast<time_t>(access);
  times.modtime = static_cast<time_t>(modification);
  return ::utime(std::string(path).c_str(), &times) == 0;
}

bool same_file(std::string_view a, std::string_view b) {
  struct stat sa, sb;
  if (::stat(std::string(a).c_str(), &sa) != 0 || ::stat(std::string(b).c_str(), &sb) != 0)
    return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace qn::platform
