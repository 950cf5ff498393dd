#include "platform/path.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/folder_index.h"

namespace qn::platform {

namespace fs = std::filesystem;

namespace {

bool exists(const std::string& p) {
  std::error_code ec;
  return fs::exists(fs::path(p.empty() ? "." : p), ec);
}

}  // namespace

std::string map_path(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  size_t i = 0;
  if (!path.empty() && is_separator(path[0])) {
    out.push_back('/');
    while (i < path.size() && is_separator(path[i])) ++i;
  }
  bool resolving = true;  // the folder built so far exists
  while (i < path.size()) {
    size_t end = i;
    while (end < path.size() && !is_separator(path[end])) ++end;
    std::string comp(path.substr(i, end - i));
    if (resolving && comp != "." && comp != "..") {
      std::string candidate = out + comp;
      if (folder_index_active() && comp.find_first_of("*?") == std::string::npos &&
          comp.back() != '.') {
        // During a run the folder index answers: the name as written, else
        // its first spelling ignoring case; nothing more is looked up below
        // a folder that does not exist.
        bool exact = false;
        std::string first;
        const bool read = for_each_entry(out, comp, [&](const FolderEntry& e) {
          if (e.name == comp) {
            exact = true;
          } else if (first.empty()) {
            first = e.name;
          }
        });
        if (!read || (!exact && first.empty())) {
          resolving = false;
        } else if (!exact) {
          comp = first;
        }
      } else if (!exists(candidate)) {
        std::string match = find_name_ignoring_case(out, comp);
        if (match.empty()) {
          resolving = false;
        } else {
          comp = match;
        }
      }
    }
    out += comp;
    i = end;
    if (i < path.size()) {
      out.push_back('/');
      while (i < path.size() && is_separator(path[i])) ++i;
    }
  }
  return out;
}

std::string shown_path(std::string_view path) {
  std::string out(path);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

std::string join_path(std::string_view dir, std::string_view name) {
  while (!name.empty() && is_separator(name.front())) name.remove_prefix(1);
  std::string out(dir);
  if (out.empty()) return std::string(name);
  if (!is_separator(out.back())) out.push_back('/');
  out += name;
  return out;
}

std::string program_dir() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  std::string dir = ec ? current_dir() : exe.parent_path().string();
  if (dir.empty() || dir.back() != '/') dir.push_back('/');
  return dir;
}

std::string current_dir() {
  std::string dir = indexed_working_dir();
  return dir.empty() ? read_current_dir() : dir;
}

std::string read_current_dir() {
  std::vector<char> buf(4096);
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (buf.size() > (1u << 20)) return "./";
    buf.resize(buf.size() * 2);
  }
  std::string dir(buf.data());
  if (dir.empty() || dir.back() != '/') dir.push_back('/');
  return dir;
}

}  // namespace qn::platform
