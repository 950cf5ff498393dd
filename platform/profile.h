// Profile strings: reading INI files the way the Windows profile functions
// did, so that a model prepared there reads the same here.
//
// - Section and key names compare case-insensitively; the first matching
//   line wins (a section that appears twice is searched in file order).
// - Lines whose first non-blank character is ';' are comments; a line
//   without '=' inside a section is ignored, as is a key line before the
//   first section.
// - Blanks and tabs around keys and values are trimmed, and one pair of
//   matching quotes ('...' or "...") around a value is removed.
// - CRLF and LF line ends; a missing file reads as an empty file.
// - The file name is resolved case-insensitively ("MODEL.INI" finds
//   "model.ini"), with '\' or '/' as separators.
// Parsed files are cached by path, modification time and size.
// Nothing in the program writes INI files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qn::platform {

inline constexpr std::size_t kProfileNoLimit = static_cast<std::size_t>(-1);

// The value of a key, cut to max_len characters. An absent key gives the
// default (its trailing blanks removed, cut the same way); a key present
// with an empty value gives "".
std::string profile_string(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view def, std::size_t max_len = kProfileNoLimit);

// The value of a key when the key is present (quotes removed, not cut).
std::optional<std::string> profile_lookup(std::string_view file, std::string_view section,
                                          std::string_view key);

// The integer value of a key: an optional sign and the leading decimal
// digits (0 for a value that does not start with a number; the 32-bit
// result wraps as on Windows). An absent key or an empty value gives def.
int32_t profile_int(std::string_view file, std::string_view section, std::string_view key,
                    int32_t def);

// The keys of a section in file order, each once (the first spelling).
std::vector<std::string> profile_keys(std::string_view file, std::string_view section);

// The keys of a section with their values, in file order, each key once
// (the first occurrence, as a read of that key gives it).
std::vector<std::pair<std::string, std::string>> profile_entries(std::string_view file,
                                                                 std::string_view section);

// Every key line of a section in file order, as spelled, with its own value
// (quotes removed): keys that differ only in case, or repeat, all appear.
std::vector<std::pair<std::string, std::string>> profile_key_lines(std::string_view file,
                                                                   std::string_view section);
// The section names of a file in file order, each once.
std::vector<std::string> profile_sections(std::string_view file);

// Forgets every cached file.
void profile_flush_cache();

}  // namespace qn::platform
