// Profile strings over INI files; see profile.h.
#include "platform/profile.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <unordered_set>

#include "platform/cp1252.h"
#include "platform/find_files.h"
#include "platform/path.h"

namespace qn::platform {
namespace {

namespace fs = std::filesystem;

struct Entry {
  std::string key;
  std::string key_upper;
  std::string value;  // trimmed, quotes still on
};

struct Section {
  std::string name;
  std::string name_upper;
  std::vector<Entry> entries;
};

struct ParsedFile {
  std::vector<Section> sections;  // every occurrence, in file order
};

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  return s;
}

std::shared_ptr<const ParsedFile> parse(std::string_view text) {
  auto file = std::make_shared<ParsedFile>();
  Section* current = nullptr;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      std::size_t close = line.find(']');
      if (close == std::string_view::npos) continue;  // malformed header: skipped
      Section section;
      section.name = std::string(trim(line.substr(1, close - 1)));
      section.name_upper = upper_1252(section.name);
      file->sections.push_back(std::move(section));
      current = &file->sections.back();
      continue;
    }
    std::size_t eq = line.find('=');
    if (current == nullptr || eq == std::string_view::npos) continue;
    std::string_view key = trim(line.substr(0, eq));
    if (key.empty()) continue;
    Entry entry;
    entry.key = std::string(key);
    entry.key_upper = upper_1252(key);
    entry.value = std::string(trim(line.substr(eq + 1)));
    current->entries.push_back(std::move(entry));
  }
  return file;
}

struct CacheEntry {
  std::string resolved;
  int64_t mtime = 0;
  int64_t size = 0;
  std::shared_ptr<const ParsedFile> parsed;
};

std::mutex cache_mutex;
std::map<std::string, CacheEntry> cache;

const std::shared_ptr<const ParsedFile>& empty_file() {
  static const std::shared_ptr<const ParsedFile> empty = std::make_shared<ParsedFile>();
  return empty;
}

// One stat: a regular file's time and size, by which a parse is reused.
bool stat_file(const std::string& path, int64_t& mtime, int64_t& size) {
  const std::optional<FileInfo> info = file_info(path);
  if (!info || info->kind != FileKind::kRegular) return false;
  mtime = info->modified_ns;
  size = info->size;
  return true;
}

std::shared_ptr<const ParsedFile> load(std::string_view file) {
  if (file.empty()) return empty_file();
  std::string cache_key(file);
  if (!is_separator(file.front())) {
    cache_key = current_dir() + '\n' + cache_key;
  }
  std::lock_guard<std::mutex> lock(cache_mutex);
  int64_t mtime = 0;
  int64_t size = 0;
  auto it = cache.find(cache_key);
  if (it != cache.end() && stat_file(it->second.resolved, mtime, size) &&
      mtime == it->second.mtime && size == it->second.size) {
    return it->second.parsed;
  }
  std::string resolved = map_path(file);
  if (!stat_file(resolved, mtime, size)) {
    if (it != cache.end()) cache.erase(it);
    return empty_file();
  }
  std::ifstream in(resolved, std::ios::binary);
  if (!in) return empty_file();
  std::ostringstream buffer;
  buffer << in.rdbuf();
  CacheEntry entry{resolved, mtime, size, parse(buffer.str())};
  auto parsed = entry.parsed;
  cache[cache_key] = std::move(entry);
  return parsed;
}

// The first entry of the key in the first sections of that name.
const Entry* find(const ParsedFile& file, std::string_view section, std::string_view key) {
  std::string section_upper = upper_1252(section);
  std::string key_upper = upper_1252(key);
  for (const Section& s : file.sections) {
    if (s.name_upper != section_upper) continue;
    for (const Entry& e : s.entries) {
      if (e.key_upper == key_upper) return &e;
    }
  }
  return nullptr;
}

// One pair of matching quotes around the value is removed.
std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

template <typename Fn>
void for_each_unique_entry(const ParsedFile& file, std::string_view section, Fn fn) {
  std::string section_upper = upper_1252(section);
  std::unordered_set<std::string_view> seen;
  for (const Section& s : file.sections) {
    if (s.name_upper != section_upper) continue;
    for (const Entry& e : s.entries) {
      if (seen.insert(e.key_upper).second) fn(e);
    }
  }
}

}  // namespace

std::optional<std::string> profile_lookup(std::string_view file, std::string_view section,
                                          std::string_view key) {
  auto parsed = load(file);
  const Entry* e = find(*parsed, section, key);
  if (e == nullptr) return std::nullopt;
  return std::string(unquote(e->value));
}

std::string profile_string(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view def, std::size_t max_len) {
  std::optional<std::string> value = profile_lookup(file, section, key);
  std::string result;
  if (value) {
    result = std::move(*value);
  } else {
    while (!def.empty() && (def.back() == ' ' || def.back() == '\t')) def.remove_suffix(1);
    result = std::string(def);
  }
  if (result.size() > max_len) result.resize(max_len);
  return result;
}

int32_t profile_int(std::string_view file, std::string_view section, std::string_view key,
                    int32_t def) {
  std::optional<std::string> value = profile_lookup(file, section, key);
  if (!value || value->empty()) return def;
  std::string_view s = *value;
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  uint32_t n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') break;
    n = n * 10u + static_cast<uint32_t>(c - '0');
  }
  if (negative) n = 0u - n;
  return static_cast<int32_t>(n);
}

std::vector<std::string> profile_keys(std::string_view file, std::string_view section) {
  auto parsed = load(file);
  std::vector<std::string> keys;
  for_each_unique_entry(*parsed, section, [&](const Entry& e) { keys.push_back(e.key); });
  return keys;
}

std::vector<std::pair<std::string, std::string>> profile_entries(std::string_view file,
                                                                 std::string_view section) {
  auto parsed = load(file);
  std::vector<std::pair<std::string, std::string>> entries;
  for_each_unique_entry(*parsed, section, [&](const Entry& e) {
    entries.emplace_back(e.key, std::string(unquote(e.value)));
  });
  return entries;
}

std::vector<std::pair<std::string, std::string>> profile_key_lines(std::string_view file,
                                                                   std::string_view section) {
  auto parsed = load(file);
  const std::string section_upper = upper_1252(section);
  std::vector<std::pair<std::string, std::string>> lines;
  for (const Section& s : parsed->sections) {
    if (s.name_upper != section_upper) continue;
    for (const Entry& e : s.entries) lines.emplace_back(e.key, std::string(unquote(e.value)));
  }
  return lines;
}

std::vector<std::string> profile_sections(std::string_view file) {
  auto parsed = load(file);
  std::vector<std::string> names;
  std::unordered_set<std::string_view> seen;
  for (const Section& s : parsed->sections) {
    if (seen.insert(s.name_upper).second) names.push_back(s.name);
  }
  return names;
}

void profile_flush_cache() {
  std::lock_guard<std::mutex> lock(cache_mutex);
  cache.clear();
}

}  // namespace qn::platform
