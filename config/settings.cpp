#include "config/settings.h"

#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>

#include "config/data_store.h"
#include "host/directories.h"
#include "host/run_state.h"
#include "platform/profile.h"

namespace qn::config {
namespace {

std::string format_int(const char* fmt, int a) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, a);
  return buf;
}

std::mutex version_mutex;
std::optional<int> version_switch;

}  // namespace

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
  int value = platform::profile_int(qn_ini_path(), "QNW", "Version", 0);
  std::lock_guard<std::mutex> lock(version_mutex);
  version_switch = value;
  return value;
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
