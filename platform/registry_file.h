// The registry of automation servers: one text file in the user's data
// directory that maps a ProgID to its class, interface, server command and
// display name. Servers started by hand write their entry; clients look a
// ProgID up to find the program to start.
//
// File layout (Windows-1252 bytes, LF; CRLF is read too), one section per
// ProgID; other sections stay as they are when an entry is written:
//
//   [QnJava7.Generator]
//   CLSID={1150E36F-5DB6-4EFB-8CCC-98D9AB3A6385}
//   Interface={39706BC7-11FE-11D2-AD45-0020AFF6BDBB}
//   LocalServer32=/opt/qn/bin/qnjavagen -Automation
//   DisplayName=Quenora Java Generator
//
// A program path holding blanks or quotes is written between double quotes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qn::platform {

struct ServerRegistration {
  std::string prog_id;
  std::string class_id;
  std::string interface_id;
  std::string command;  // LocalServer32: program path and its arguments
  std::string display_name;
};

// The registry file: $QN_REGISTRY_FILE when set and not empty, else
// "quenora/registry.ini" under $XDG_DATA_HOME (when absolute) or under
// ~/.local/share.
std::string registry_file_path();

// Writes (or replaces) the entry of reg.prog_id in the file, creating the
// file and its folders as needed; ProgIDs compare ignoring case. The file is
// replaced as a whole, so a failure leaves the former file intact. False
// with *error set when the file cannot be written.
bool register_server(const ServerRegistration& reg, const std::string& file,
                     std::string* error);

// The entry of a ProgID, or nothing when the file or the entry is missing.
std::optional<ServerRegistration> find_server(std::string_view prog_id,
                                              const std::string& file);

// The command text for a program and its arguments (the program quoted when
// it holds blanks or quotes), and the reverse split.
std::string make_command(std::string_view program, const std::vector<std::string>& args);
std::vector<std::string> split_command(std::string_view command);

}  // namespace qn::platform
