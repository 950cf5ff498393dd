#include "config/model_select.h"

#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <variant>
#include <vector>

#include "config/config_qn.h"
#include "config/data_store.h"
#include "host/directories.h"
#include "platform/system_services.h"
#include "host/dialog.h"
#include "host/error_log.h"
#include "host/run_state.h"
#include "kb/model_queries.h"
#include "platform/path.h"
#include "platform/profile.h"

namespace qn::config {
namespace {

constexpr uint64_t kMinFreeKilobytes = 250;
constexpr unsigned kMsgLowDiskSpace = 62212;
constexpr std::size_t kMaxSettingLength = 1024;
constexpr std::size_t kMaxUserName = 30;

std::string format_int(const char* fmt, int a) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, a);
  return buf;
}

// Formats a numbered message with its arguments. Each conversion of the
// text takes the next argument when their kinds agree (a text for %s, a
// number for %d and its kin); any other conversion is copied as written,
// so a message text can never read an argument that is not there.
using MessageArg = std::variant<std::string, long>;
std::string format_message(const char* text, const std::vector<MessageArg>& args) {
  std::string out;
  std::size_t next = 0;
  for (const char* p = text; *p != '\0';) {
    if (*p != '%') {
      out += *p++;
      continue;
    }
    if (p[1] == '%') {
      out += '%';
      p += 2;
      continue;
    }
    const char* start = p++;
    while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr) ++p;
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == '.') {
      ++p;
      while (*p >= '0' && *p <= '9') ++p;
    }
    bool is_long = false;
    if (*p == 'l') {
      is_long = true;
      ++p;
    }
    char conv = *p;
    if (conv == '\0') {
      out.append(start);
      break;
    }
    ++p;
    std::string spec(start, static_cast<std::size_t>(p - start));
    char buf[512];
    if (conv == 's' && !is_long && next < args.size() && std::holds_alternative<std::string>(args[next])) {
      std::snprintf(buf, sizeof buf, spec.c_str(), std::get<std::string>(args[next++]).c_str());
      out += buf;
    } else if (std::strchr("diuxX", conv) != nullptr && next < args.size() &&
               std::holds_alternative<long>(args[next])) {
      if (!is_long) {
        spec.pop_back();
        spec += 'l';
        spec += conv;
      }
      std::snprintf(buf, sizeof buf, spec.c_str(), std::get<long>(args[next++]));
      out += buf;
    } else {
      out += spec;
    }
  }
  return out;
}

// Loads the model's settings of MODEL.INI into the free key list.
void load_model_settings(int model) {
  std::string ini = model_ini_path();
  std::string model_section = format_int("Model %03d", model);
  std::string data_source = platform::profile_string(ini, model_section, "DataSource", "", kMaxSettingLength);
  if (!data_source.empty()) SetConfigValue("DTASRC", data_source);
  std::string type = platform::profile_string(ini, model_section, "Type", "", kMaxSettingLength);
  if (!type.empty()) SetConfigValue("MDLTYPE", type);
  auto copy_section = [&](const std::string& section) {
    for (const auto& [key, value] : platform::profile_entries(ini, section)) {
      std::string_view v = value;
      if (v.size() > kMaxSettingLength) v = v.substr(0, kMaxSettingLength);
      SetConfigValue(key, v);
    }
  };
  copy_section(preferences_section(model, 0));
  int generator = host::run_state().generator_id;
  if (generator != platform::profile_int(ini, model_section, "Generator", -1)) {
    copy_section(preferences_section(model, generator));
  }
}

std::mutex version_mutex;
std::optional<int> version_switch;

int read_version_switch() {
  int value = platform::profile_int(qn_ini_path(), "QNW", "Version", 0);
  std::lock_guard<std::mutex> lock(version_mutex);
  version_switch = value;
  return value;
}

enum class UserState { NotLookedUp, Known, None };
std::mutex user_mutex;
UserState user_state = UserState::NotLookedUp;
std::string user_name;

}  // namespace

int select_model(int model) {
  kb::set_model_block_size(kb::kModelBlockSize);
  std::optional<uint64_t> free_kb = platform::free_kilobytes();
  if (free_kb && *free_kb < kMinFreeKilobytes) {
    host::ShowGenerationError(format_message(host::MessageText(kMsgLowDiskSpace),
                                             {std::string(), static_cast<long>(kMinFreeKilobytes)}));
    return -1;
  }
  ReadConfigFile(host::get_program_dir() + "config.qn");
  ReadConfigFile(platform::current_dir() + "config.qn");
  kb::mdl_info(model);
  load_model_settings(model);
  read_version_switch();
  return model;
}

int chdir_model_path(std::string_view path) {
  std::string_view rest = path;
  if (rest.size() >= 2 && rest[1] == ':' &&
      ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= 'a' && rest[0] <= 'z'))) {
    // A drive letter names no place on this system; the rest of the path does.
    rest.remove_prefix(2);
  }
  if (!rest.empty() && !platform::change_directory(platform::map_path(rest))) return 0;
  forget_ini_paths();
  return 1;
}

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

int GetGeneratorDir(std::string& out) {
  out.clear();
  std::string ini = qn_ini_path();
  std::string section = platform::profile_string(
      ini, "Generator", format_int("Gen%d", host::run_state().generator_id), "", 255);
  if (section.empty()) return 0;
  std::string path = platform::profile_string(ini, section, "Path", "", 255);
  if (path.empty()) return 0;
  out = host::get_program_dir() + path;
  return 1;
}

int get_ide_version_switch() {
  {
    std::lock_guard<std::mutex> lock(version_mutex);
    if (version_switch) return *version_switch;
  }
  return read_version_switch();
}

void forget_ide_version_switch() {
  std::lock_guard<std::mutex> lock(version_mutex);
  version_switch.reset();
}

std::string IntToBaseText(int64_t value, int base, int width) {
  static constexpr char kDigits[] =
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  constexpr int kMaxWidth = 10240;
  if (base < 2 || base > 62) return "";
  uint32_t v = static_cast<uint32_t>(value);
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[v % static_cast<uint32_t>(base)]);
    v /= static_cast<uint32_t>(base);
  } while (v != 0);
  if (width > kMaxWidth) width = kMaxWidth;
  if (width > static_cast<int>(digits.size())) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  return digits;
}

void rtrim(std::string& text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
}

char* rtrim(char* text) {
  std::size_t n = std::strlen(text);
  while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\t')) text[--n] = '\0';
  return text;
}

char* strcpy_end(char* target, const char* source) {
  std::size_t n = std::strlen(source);
  std::memcpy(target, source, n + 1);
  return target + n;
}

}  // namespace qn::config
