#include "kb/model_queries.h"

#include <cstdint>
#include <cstdio>

#include "host/error_log.h"
#include "host/run_state.h"
#include "platform/find_files.h"
#include "platform/path.h"

namespace qn::kb {
namespace {

constexpr std::size_t kMaxDirName = 35;  // characters of a name put behind a prefix
constexpr int kEmptyCache = 0xFFFF;      // model 65535 (-1) empties the cache

enum DirMode { kDirHere = 0, kDirParent = 1, kDirUnknown = 2 };

MdlRecord g_cache;  // model 0: none
int g_block_size = 1;
int g_current_model = 0;
int g_dir_mode = kDirUnknown;
std::string g_model_prefix;
std::string g_app_prefix;
std::string g_entry_text;

std::string format_number(const char* fmt, int value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, fmt, value);
  return buf;
}

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool is_relative(std::string_view path) {
  if (!path.empty() && platform::is_separator(path[0])) return false;
  return !(path.size() >= 2 && path[1] == ':' && is_letter(path[0]));
}

// Reads the record of model. A model number holds three digits in the
// record, so a number of four digits reaches the record of another model
// (1005 that of 100): only a record with the number asked for counts.
bool read_model(int model, MdlRecord& out) {
  MdlRecord key;
  key.model = static_cast<int16_t>(model);
  const int record_model_before = host::run_state().current_model_record;
  if (mdl(kMdlDataFile, kOpReadEqual, 0, key, out) != kKbDone) return false;
  if (out.model == model) return true;
  host::run_state().current_model_record = record_model_before;
  return false;
}

}  // namespace

const MdlRecord& mdl_info(int model) {
  const int number = model & 0xFFFF;
  if (number == 0 || number == g_cache.model) return g_cache;
  if (number == kEmptyCache) {
    g_cache = MdlRecord{};
    return g_cache;
  }
  MdlRecord rec;
  if (!read_model(model, rec)) {
    host::LogError(host::kErrIsam, "mdl_info");
    // LogError returns only while another report is in progress.
    throw host::CCTreeException("Internal Error 3 in function mdl_info");
  }
  g_cache = rec;
  set_model_dirs(g_cache.path, g_cache.model);
  return g_cache;
}

void set_model_dirs(std::string_view path, int model) {
  if (g_dir_mode == kDirUnknown) {
    g_dir_mode = platform::file_exists(platform::map_path("model.dat")) ? kDirHere : kDirParent;
  }
  g_model_prefix.clear();
  if (g_dir_mode == kDirParent && is_relative(path)) g_model_prefix = "..\\";
  g_model_prefix.append(path);
  if (!g_model_prefix.empty() && !platform::is_separator(g_model_prefix.back())) g_model_prefix += '\\';
  g_app_prefix = g_dir_mode == kDirParent ? "..\\" : "";
  g_app_prefix += format_number("QNAPP%03d\\", model);
}

std::string in_model_dir(std::string_view name) { return g_model_prefix + std::string(name.substr(0, kMaxDirName)); }

std::string in_app_dir(std::string_view name) { return g_app_prefix + std::string(name.substr(0, kMaxDirName)); }

void make_dir_path(std::string& out, std::string_view name, bool in_model) {
  out = in_model ? in_model_dir(name) : in_app_dir(name);
}

std::string get_model_dir(int model) {
  if (model < 3 * g_block_size) return mdl_info(model).path;
  return format_number("QN%03d", model);
}

std::string model_file_path(int model, std::string_view name) {
  if (model < 3 * g_block_size) return in_model_dir(name);
  return format_number("QN%03d", model) + "\\" + std::string(name);
}

int next_model_entry(int& model, int& offset) {
  offset = g_block_size;
  if (g_current_model < g_block_size) {
    const int companion = g_current_model + g_block_size;
    MdlRecord rec;
    if (read_model(companion, rec)) {
      char text[64];
      std::snprintf(text, sizeof text, "%3d %-30.30s", companion, rec.name);
      g_entry_text = text;
      mdl_info(companion);
      g_current_model = companion;
      model = companion;
      return 0;
    }
    model = g_current_model;
    return 1;
  }
  model = g_current_model;
  return 0;
}

const std::string& model_entry_text() { return g_entry_text; }

int set_current_model(int model) {
  g_current_model = model;
  return 0;
}

int current_model() { return g_current_model; }

void set_model_block_size(int size) { g_block_size = size; }

int model_block_size() { return g_block_size; }

std::string mdl_info_path(int model) { return mdl_info(model).path; }

void reset_model_queries() {
  g_cache = MdlRecord{};
  g_block_size = 1;
  g_current_model = 0;
  g_dir_mode = kDirUnknown;
  g_model_prefix.clear();
  g_app_prefix.clear();
  g_entry_text.clear();
}

}  // namespace qn::kb
