#include "host/user_name.h"

#include <cstring>
#include <mutex>
#include <optional>

#include "platform/system_services.h"

namespace qn::host {
namespace {

constexpr std::size_t kMaxUserName = 30;

enum class UserState { NotLookedUp, Known, None };
std::mutex user_mutex;
UserState user_state = UserState::NotLookedUp;
std::string user_name;

}  // namespace

void set_user_name(std::string_view name) {
  std::lock_guard<std::mutex> lock(user_mutex);
  user_name = std::string(name.substr(0, kMaxUserName));
  user_state = UserState::Known;
}

std::string get_user_name() {
  if (std::optional<std::string> env = platform::environment_value("QNUSER")) return *env;
  std::lock_guard<std::mutex> lock(user_mutex);
  if (user_state == UserState::NotLookedUp) {
    if (std::optional<std::string> name = platform::system_user_name()) {
      user_name = name->substr(0, kMaxUserName);
      user_state = UserState::Known;
    } else {
      user_state = UserState::None;
    }
  }
  if (user_state == UserState::Known) return user_name;
  return "UNKNOWN";
}

void reset_user_name() {
  std::lock_guard<std::mutex> lock(user_mutex);
  user_state = UserState::NotLookedUp;
  user_name.clear();
}

std::string put_user_name8() {
  std::string name = get_user_name();
  if (name.empty()) return ".";
  return name.substr(0, 8);
}

char* put_user_name8(char* out) {
  std::string text = put_user_name8();
  std::memcpy(out, text.c_str(), text.size() + 1);
  return out + text.size();
}

}  // namespace qn::host
