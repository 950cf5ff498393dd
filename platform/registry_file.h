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
//
// The same file holds the key tree of registered classes (RegistryTree):
// each key path under the classes root is one section, its values below it,
// "@" naming the default value:
//
//   [CLSID\{8C361A27-232E-11D3-9390-00105A008D87}\InprocServer32]
//   @=/opt/qn/bin/libQnOffice.so
//   ThreadingModel=both
//
// A key exists when it has a section or a key below it has one, so creating
// a deep key writes only that key's section. A server entry above is simply a
// key with named values.
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
bool register_server(const ServerRegistration& reg, const std::string& file, std::string* error);

// The entry of a ProgID, or nothing when the file or the entry is missing.
std::optional<ServerRegistration> find_server(std::string_view prog_id, const std::string& file);

// The command text for a program and its arguments (the program quoted when
// it holds blanks or quotes), and the reverse split.
std::string make_command(std::string_view program, const std::vector<std::string>& args);
std::vector<std::string> split_command(std::string_view command);

// The key tree of a registry file, read whole and written back whole. Key
// paths use '\' between names and compare ignoring case; sections that are
// not touched are written back exactly as read.
class RegistryTree {
 public:
  // A missing file reads as an empty tree.
  static RegistryTree load(const std::string& file);
  // Replaces the file as a whole (folders created as needed); false with
  // *error set when it cannot be written.
  bool save(const std::string& file, std::string* error) const;

  bool has_key(std::string_view key) const;
  // False for a key holding a line break.
  bool create_key(std::string_view key);
  // name "" is the default value ("@"). Creates the key as needed; an
  // existing value is replaced in place. False, writing nothing, for a text
  // the file cannot hold: a line break anywhere, or '=' in the name.
  bool set_value(std::string_view key, std::string_view name, std::string_view value);
  std::optional<std::string> value(std::string_view key, std::string_view name) const;
  // Removes the key with all its subkeys; false when it did not exist.
  bool remove_key(std::string_view key);

  std::string text() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::string> lines;
  };
  Section* find(std::string_view key);
  const Section* find(std::string_view key) const;
  std::vector<Section> sections_{1};  // [0]: the lines before the first header
};

}  // namespace qn::platform
