#include "platform/system_services.h"

#include <pwd.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "platform/folder_index.h"

namespace qn::platform {
namespace {

std::mutex seam_mutex;
std::function<std::optional<uint64_t>()> free_space_probe;
std::function<std::optional<std::string>()> user_name_probe;

}  // namespace

std::optional<uint64_t> free_kilobytes() {
  {
    std::lock_guard<std::mutex> lock(seam_mutex);
    if (free_space_probe) return free_space_probe();
  }
  struct statvfs fs {};
  if (statvfs(".", &fs) != 0) return std::nullopt;
  uint64_t block = fs.f_frsize != 0 ? fs.f_frsize : fs.f_bsize;
  if (block >= 1024) return block / 1024 * static_cast<uint64_t>(fs.f_bavail);
  if (block == 0) return std::nullopt;
  return static_cast<uint64_t>(fs.f_bavail) / (1024 / block);
}

bool change_directory(const std::string& path) {
  if (::chdir(path.c_str()) != 0) return false;
  note_directory_changed();
  return true;
}

std::optional<std::string> system_user_name() {
  {
    std::lock_guard<std::mutex> lock(seam_mutex);
    if (user_name_probe) return user_name_probe();
  }
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  struct passwd pw {};
  struct passwd* result = nullptr;
  if (getpwuid_r(geteuid(), &pw, buffer.data(), buffer.size(), &result) == 0 && result != nullptr &&
      result->pw_name != nullptr && result->pw_name[0] != '\0') {
    return std::string(result->pw_name);
  }
  if (const char* login = getlogin(); login != nullptr && login[0] != '\0')
    return std::string(login);
  return std::nullopt;
}

std::optional<std::string> environment_value(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

void set_environment(const std::string& name, const std::string& value) {
  ::setenv(name.c_str(), value.c_str(), 1);
}

void lower_thread_priority() {
  // On Linux the nice value is kept per thread.
  const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
  errno = 0;
  int now = ::getpriority(PRIO_PROCESS, tid);
  if (now == -1 && errno != 0) return;
  ::setpriority(PRIO_PROCESS, tid, now + 1);
}

void set_free_space_probe(std::function<std::optional<uint64_t>()> probe) {
  std::lock_guard<std::mutex> lock(seam_mutex);
  free_space_probe = std::move(probe);
}

void set_user_name_probe(std::function<std::optional<std::string>()> probe) {
  std::lock_guard<std::mutex> lock(seam_mutex);
  user_name_probe = std::move(probe);
}

}  // namespace qn::platform
