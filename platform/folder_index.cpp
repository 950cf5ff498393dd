#include "platform/folder_index.h"

#include <dirent.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/cp1252.h"
#include "platform/find_files.h"
#include "platform/path.h"

namespace qn::platform {

namespace {

// The names of one folder, keyed by the upper-cased name, a NUL and the name:
// one key order gives both the listing order and the case-insensitive
// look-up (all spellings of a name sit together, smallest first).
using Folder = std::map<std::string, FolderEntry>;

std::string entry_key(std::string_view name) {
  std::string key = upper_1252(name);
  key.push_back('\0');
  key.append(name);
  return key;
}

struct Index {
  std::unordered_map<std::string, Folder> folders;  // by normalised absolute path
  std::string working_dir;                          // read on first use; '/' at the end
};

std::mutex g_mutex;
std::unique_ptr<Index> g_index;

// The working folder of the index. Called under the lock with an index in
// force.
const std::string& working_dir_locked() {
  if (g_index->working_dir.empty()) g_index->working_dir = read_current_dir();
  return g_index->working_dir;
}

// The absolute, lexically normal form of a folder path, without a final '/'.
// Called under the lock with an index in force.
std::string folder_key(std::string_view dir) {
  std::string p = dir.empty() || dir.front() != '/' ? working_dir_locked() + std::string(dir)
                                                    : std::string(dir);
  // Most paths are normal already: only those with "//", "/." or "/.."
  // in them are rewritten.
  if (p.find("//") != std::string::npos || p.find("/.") != std::string::npos)
    p = std::filesystem::path(p).lexically_normal().string();
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  return p;
}

bool read_folder(const std::string& dir, Folder& out) {
  DIR* handle = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!handle) return false;
  while (dirent* e = ::readdir(handle)) {
    std::string_view name = e->d_name;
    if (name == "." || name == "..") continue;
    FolderEntry entry{std::string(name), false};
    if (e->d_type == DT_DIR) {
      entry.is_dir = true;
    } else if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
      struct stat st;
      std::string full = dir + "/" + entry.name;
      entry.is_dir = ::stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    out.emplace(entry_key(name), std::move(entry));
  }
  ::closedir(handle);
  return true;
}

// The folder as the index holds it, read on first use; null when it cannot
// be read. Called under the lock with an index in force.
const Folder* indexed_folder(std::string_view dir) {
  const std::string key = folder_key(dir);
  auto it = g_index->folders.find(key);
  if (it != g_index->folders.end()) return &it->second;
  Folder f;
  if (!read_folder(key, f)) return nullptr;  // not kept: it may be created later
  return &g_index->folders.emplace(key, std::move(f)).first->second;
}

bool has_wildcard(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos ||
         (!pattern.empty() && pattern.back() == '.');
}

void visit(const Folder& folder, std::string_view pattern,
           const std::function<void(const FolderEntry&)>& each) {
  if (has_wildcard(pattern)) {
    for (const auto& [key, entry] : folder) {
      if (wildcard_match(pattern, entry.name)) each(entry);
    }
    return;
  }
  // A plain name: only its spellings are looked at.
  std::string prefix = upper_1252(pattern);
  prefix.push_back('\0');
  for (auto it = folder.lower_bound(prefix); it != folder.end() && it->first.starts_with(prefix);
       ++it) {
    each(it->second);
  }
}

// Splits a path into its folder's key and its last name.
bool split(std::string_view path, std::string& folder, std::string& name) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  const size_t cut = path.find_last_of('/');
  name.assign(cut == std::string_view::npos ? path : path.substr(cut + 1));
  if (name.empty() || name == "." || name == "..") return false;
  folder = folder_key(cut == std::string_view::npos ? std::string_view() : path.substr(0, cut + 1));
  return true;
}

}  // namespace

FolderIndexScope::FolderIndexScope() {
  std::lock_guard lock(g_mutex);
  owner_ = !g_index;
  if (owner_) g_index = std::make_unique<Index>();
}

FolderIndexScope::~FolderIndexScope() {
  std::lock_guard lock(g_mutex);
  if (owner_) g_index.reset();
}

std::string indexed_working_dir() {
  std::lock_guard lock(g_mutex);
  return g_index ? working_dir_locked() : std::string();
}

void note_directory_changed() {
  std::lock_guard lock(g_mutex);
  if (g_index) g_index->working_dir.clear();
}

bool folder_index_active() {
  std::lock_guard lock(g_mutex);
  return g_index != nullptr;
}

std::string find_name_ignoring_case(std::string_view dir, std::string_view name) {
  std::string found;
  auto first = [&](const FolderEntry& e) {
    if (found.empty()) found = e.name;
  };
  for_each_entry(
      dir, name.find_first_of("*?") == std::string_view::npos ? name : std::string_view(), first);
  return found;
}

bool for_each_entry(std::string_view dir, std::string_view pattern,
                    const std::function<void(const FolderEntry&)>& each) {
  {
    std::lock_guard lock(g_mutex);
    if (g_index) {
      const Folder* folder = indexed_folder(dir);
      if (!folder) return false;
      // Copied out so that `each` may create or delete files.
      std::vector<FolderEntry> hits;
      visit(*folder, pattern, [&](const FolderEntry& e) { hits.push_back(e); });
      for (const FolderEntry& e : hits) each(e);
      return true;
    }
  }
  Folder folder;
  if (!read_folder(dir.empty() ? std::string(".") : std::string(dir), folder)) return false;
  visit(folder, pattern, each);
  return true;
}

void note_created(std::string_view path, bool is_dir) {
  std::lock_guard lock(g_mutex);
  if (!g_index) return;
  std::string folder, name;
  if (!split(path, folder, name)) return;
  auto it = g_index->folders.find(folder);
  if (it != g_index->folders.end())
    it->second.insert_or_assign(entry_key(name), FolderEntry{name, is_dir});
}

void note_removed(std::string_view path) {
  std::lock_guard lock(g_mutex);
  if (!g_index) return;
  std::string folder, name;
  if (!split(path, folder, name)) return;
  auto it = g_index->folders.find(folder);
  if (it != g_index->folders.end()) it->second.erase(entry_key(name));
  g_index->folders.erase(folder_key(path));
}

}  // namespace qn::platform
