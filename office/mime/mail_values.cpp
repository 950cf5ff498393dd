#include "office/mime/mail_values.h"

#include <algorithm>

#include "platform/path.h"

namespace qn::office {

std::vector<std::string> split_trimmed(std::string_view text, char sep) {
  std::vector<std::string> entries;
  if (text.empty()) return entries;
  for (;;) {
    const size_t at = text.find(sep);
    std::string_view entry = text.substr(0, at);
    const size_t first = entry.find_first_not_of(' ');
    entry = first == std::string_view::npos
                ? std::string_view{}
                : entry.substr(first, entry.find_last_not_of(' ') + 1 - first);
    entries.emplace_back(entry);
    if (at == std::string_view::npos) return entries;
    text.remove_prefix(at + 1);
  }
}

std::vector<std::string> mail_list_entries(std::string_view list) {
  if (list.find_first_not_of(' ') == std::string_view::npos) return {};
  return split_trimmed(list, ';');
}

std::string write_address(int address_format, std::string_view name, std::string_view address) {
  switch (address_format) {
    case 0:
      return std::string(name);
    case 1:
      return std::string(address);
    default:
      return std::string(name) + " (" + std::string(address) + ")";
  }
}

void append_entry(std::string& list, std::string_view entry) {
  if (!list.empty()) list += "; ";
  list += entry;
}

std::string_view last_component(std::string_view path) {
  const size_t at = path.find_last_of("\\/");
  return at == std::string_view::npos ? path : path.substr(at + 1);
}

bool holds_separator(std::string_view path) {
  return path.find_first_of("\\/") != std::string_view::npos;
}

std::string attach_dir_value(std::string_view text) {
  std::string dir(text);
  if (dir.empty() || !platform::is_separator(dir.back())) {
    const bool slash = dir.find('/') != std::string::npos && dir.find('\\') == std::string::npos;
    dir.push_back(slash ? '/' : '\\');
  }
  return dir;
}

std::string attachment_source(std::string_view entry, std::string_view attach_dir) {
  if (holds_separator(entry)) return std::string(entry);
  return std::string(attach_dir) + std::string(entry);
}

std::string attachment_target(std::string_view attach_dir, std::string_view name) {
  const std::string_view file = last_component(name);
  if (file.empty() || file == "." || file == "..") return {};
  if (std::any_of(file.begin(), file.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
    return {};
  }
  return std::string(attach_dir) + std::string(file);
}

}  // namespace qn::office
