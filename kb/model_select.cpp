#include "kb/model_select.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <variant>
#include <vector>

#include "config/config_qn.h"
#include "config/data_store.h"
#include "config/settings.h"
#include "host/dialog.h"
#include "host/directories.h"
#include "host/error_log.h"
#include "host/run_state.h"
#include "kb/model_queries.h"
#include "platform/path.h"
#include "platform/profile.h"
#include "platform/system_services.h"

namespace qn::kb {
namespace {

constexpr uint64_t kMinFreeKilobytes = 250;
constexpr unsigned kMsgLowDiskSpace = 62212;
constexpr std::size_t kMaxSettingLength = 1024;

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
    if (conv == 's' && !is_long && next < args.size() &&
        std::holds_alternative<std::string>(args[next])) {
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
  std::string ini = config::model_ini_path();
  std::string model_section = format_int("Model %03d", model);
  std::string data_source =
      platform::profile_string(ini, model_section, "DataSource", "", kMaxSettingLength);
  if (!data_source.empty()) config::SetConfigValue("DTASRC", data_source);
  std::string type = platform::profile_string(ini, model_section, "Type", "", kMaxSettingLength);
  if (!type.empty()) config::SetConfigValue("MDLTYPE", type);
  auto copy_section = [&](const std::string& section) {
    for (const auto& [key, value] : platform::profile_entries(ini, section)) {
      std::string_view v = value;
      if (v.size() > kMaxSettingLength) v = v.substr(0, kMaxSettingLength);
      config::SetConfigValue(key, v);
    }
  };
  copy_section(config::preferences_section(model, 0));
  int generator = host::run_state().generator_id;
  if (generator != platform::profile_int(ini, model_section, "Generator", -1)) {
    copy_section(config::preferences_section(model, generator));
  }
}

}  // namespace

int select_model(int model) {
  set_model_block_size(kModelBlockSize);
  std::optional<uint64_t> free_kb = platform::free_kilobytes();
  if (free_kb && *free_kb < kMinFreeKilobytes) {
    host::ShowGenerationError(
        format_message(host::MessageText(kMsgLowDiskSpace),
                       {std::string(), static_cast<long>(kMinFreeKilobytes)}));
    return -1;
  }
  config::ReadConfigFile(host::get_program_dir() + "config.qn");
  config::ReadConfigFile(platform::current_dir() + "config.qn");
  mdl_info(model);
  load_model_settings(model);
  config::forget_ide_version_switch();
  config::get_ide_version_switch();
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
  config::forget_ini_paths();
  return 1;
}

}  // namespace qn::kb
