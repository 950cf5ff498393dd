#include "platform/registry_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/binary_file.h"
#include "platform/cp1252.h"

namespace qn::platform {
namespace {

namespace fs = std::filesystem;

struct Section {
  std::string name;
  std::vector<std::string> lines;  // the lines below the header, as read
};

std::string trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return std::string(s.substr(b, e - b));
}

// Lines before the first header go into a section with an empty name.
std::vector<Section> read_sections(const std::string& file) {
  std::vector<Section> sections(1);
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string t = trim(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
      sections.push_back({t.substr(1, t.size() - 2), {}});
    } else {
      sections.back().lines.push_back(line);
    }
  }
  return sections;
}

std::optional<std::string> value_of(const Section& s, std::string_view key) {
  for (const std::string& line : s.lines) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (iequals_1252(trim(std::string_view(line).substr(0, eq)), key)) {
      return trim(std::string_view(line).substr(eq + 1));
    }
  }
  return std::nullopt;
}

bool needs_quotes(std::string_view s) {
  return s.empty() || s.find_first_of(" \t\"\\") != std::string_view::npos;
}

// Writes the file whole or not at all, creating its folder when needed.
bool write_whole(const std::string& file, const std::string& text, std::string* error) {
  fs::path target(file);
  std::error_code ec;
  if (target.has_parent_path()) {
    fs::create_directories(target.parent_path(), ec);
    if (ec) {
      if (error) *error = "Cannot create the folder of " + file + ": " + ec.message();
      return false;
    }
  }
  return write_file_atomically(file, text, error);
}

}  // namespace

std::string registry_file_path() {
  const char* over = std::getenv("QN_REGISTRY_FILE");
  if (over && *over) return over;
  fs::path base;
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = fs::path(home && *home ? home : ".") / ".local" / "share";
  }
  return (base / "quenora" / "registry.ini").string();
}

bool register_server(const ServerRegistration& reg, const std::string& file, std::string* error) {
  std::vector<Section> sections = read_sections(file);
  Section entry{reg.prog_id,
                {"CLSID=" + reg.class_id, "Interface=" + reg.interface_id,
                 "LocalServer32=" + reg.command, "DisplayName=" + reg.display_name}};
  bool replaced = false;
  for (size_t i = 1; i < sections.size(); ++i) {
    if (iequals_1252(sections[i].name, reg.prog_id)) {
      if (!replaced) {
        sections[i] = entry;
        replaced = true;
      } else {
        sections.erase(sections.begin() + static_cast<std::ptrdiff_t>(i--));
      }
    }
  }
  if (!replaced) sections.push_back(entry);

  std::ostringstream out;
  for (size_t i = 0; i < sections.size(); ++i) {
    if (i > 0) out << '[' << sections[i].name << "]\n";
    for (const std::string& line : sections[i].lines) out << line << '\n';
  }

  return write_whole(file, out.str(), error);
}

std::optional<ServerRegistration> find_server(std::string_view prog_id, const std::string& file) {
  std::vector<Section> sections = read_sections(file);
  for (size_t i = 1; i < sections.size(); ++i) {
    const Section& s = sections[i];
    if (!iequals_1252(s.name, prog_id)) continue;
    ServerRegistration reg;
    reg.prog_id = s.name;
    reg.class_id = value_of(s, "CLSID").value_or("");
    reg.interface_id = value_of(s, "Interface").value_or("");
    reg.command = value_of(s, "LocalServer32").value_or("");
    reg.display_name = value_of(s, "DisplayName").value_or("");
    return reg;
  }
  return std::nullopt;
}

std::string make_command(std::string_view program, const std::vector<std::string>& args) {
  std::string out;
  auto add = [&out](std::string_view word) {
    if (!out.empty()) out += ' ';
    if (!needs_quotes(word)) {
      out += word;
      return;
    }
    out += '"';
    for (char c : word) {
      if (c == '"' || c == '\\') out += '\\';
      out += c;
    }
    out += '"';
  };
  add(program);
  for (const std::string& a : args) add(a);
  return out;
}

std::vector<std::string> split_command(std::string_view command) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < command.size()) {
    while (i < command.size() && (command[i] == ' ' || command[i] == '\t')) ++i;
    if (i >= command.size()) break;
    std::string word;
    if (command[i] == '"') {
      for (++i; i < command.size() && command[i] != '"'; ++i) {
        if (command[i] == '\\' && i + 1 < command.size()) ++i;
        word += command[i];
      }
      if (i < command.size()) ++i;  // the closing quote
    } else {
      while (i < command.size() && command[i] != ' ' && command[i] != '\t') word += command[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

// The key tree.

namespace {

// Key paths compare ignoring case and with blanks around the names dropped.
bool same_key(std::string_view a, std::string_view b) { return iequals_1252(trim(a), trim(b)); }

// True when key is below parent ("A\\B" is below "a").
bool is_below(std::string_view key, std::string_view parent) {
  std::string k = trim(key), p = trim(parent);
  return k.size() > p.size() + 1 && k[p.size()] == '\\' &&
         iequals_1252(std::string_view(k).substr(0, p.size()), p);
}

bool has_line_break(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

bool is_value_line(std::string_view line, std::string_view name, size_t* eq) {
  *eq = line.find('=');
  if (*eq == std::string_view::npos) return false;
  std::string n = trim(line.substr(0, *eq));
  return name.empty() ? n == "@" : (n != "@" && iequals_1252(n, name));
}

}  // namespace

RegistryTree RegistryTree::load(const std::string& file) {
  RegistryTree tree;
  auto read = read_sections(file);
  tree.sections_.clear();
  for (auto& s : read) tree.sections_.push_back({std::move(s.name), std::move(s.lines)});
  return tree;
}

std::string RegistryTree::text() const {
  std::ostringstream out;
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) out << '[' << sections_[i].name << "]\n";
    for (const std::string& line : sections_[i].lines) out << line << '\n';
  }
  return out.str();
}

bool RegistryTree::save(const std::string& file, std::string* error) const {
  return write_whole(file, text(), error);
}

RegistryTree::Section* RegistryTree::find(std::string_view key) {
  for (size_t i = 1; i < sections_.size(); ++i) {
    if (same_key(sections_[i].name, key)) return &sections_[i];
  }
  return nullptr;
}

const RegistryTree::Section* RegistryTree::find(std::string_view key) const {
  return const_cast<RegistryTree*>(this)->find(key);
}

bool RegistryTree::has_key(std::string_view key) const {
  for (size_t i = 1; i < sections_.size(); ++i) {
    if (same_key(sections_[i].name, key) || is_below(sections_[i].name, key)) return true;
  }
  return false;
}

bool RegistryTree::create_key(std::string_view key) {
  if (has_line_break(key)) return false;
  if (!find(key)) sections_.push_back({trim(key), {}});
  return true;
}

bool RegistryTree::set_value(std::string_view key, std::string_view name, std::string_view value) {
  if (has_line_break(name) || has_line_break(value) || name.find('=') != std::string_view::npos ||
      !create_key(key)) {
    return false;
  }
  Section* s = find(key);
  std::string line =
      (name.empty() ? std::string("@") : std::string(name)) + "=" + std::string(value);
  size_t eq;
  for (std::string& l : s->lines) {
    if (is_value_line(l, name, &eq)) {
      l = l.substr(0, eq + 1) + std::string(value);  // the name keeps its first spelling
      return true;
    }
  }
  s->lines.push_back(std::move(line));
  return true;
}

std::optional<std::string> RegistryTree::value(std::string_view key, std::string_view name) const {
  const Section* s = find(key);
  if (!s) return std::nullopt;
  size_t eq;
  for (const std::string& l : s->lines) {
    if (is_value_line(l, name, &eq)) {
      std::string v = l.substr(eq + 1);
      if (!v.empty() && v.back() == '\r') v.pop_back();
      return v;
    }
  }
  return std::nullopt;
}

bool RegistryTree::remove_key(std::string_view key) {
  bool found = false;
  for (size_t i = 1; i < sections_.size();) {
    if (same_key(sections_[i].name, key) || is_below(sections_[i].name, key)) {
      sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(i));
      found = true;
    } else {
      ++i;
    }
  }
  return found;
}

}  // namespace qn::platform
