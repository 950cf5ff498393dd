// The resource library: a shared library in the program directory that
// holds the numbered message texts (the string table). It is loaded by name
// ("qnresc32" -> libqnresc32.so) and asked for texts through its exported
// function `qn_resource_string(unsigned id)`, which gives the text or null.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qn::platform {

class ResourceLibrary {
 public:
  // Loads <dir>/lib<name>.so; null when it is missing or lacks the lookup.
  static std::unique_ptr<ResourceLibrary> load(std::string_view dir, std::string_view name);
  ~ResourceLibrary();
  ResourceLibrary(const ResourceLibrary&) = delete;
  ResourceLibrary& operator=(const ResourceLibrary&) = delete;

  // The string-table text of `id`, or nothing.
  std::optional<std::string> load_string(unsigned id) const;

 private:
  using Lookup = const char* (*)(unsigned);
  ResourceLibrary(void* handle, Lookup lookup) : handle_(handle), lookup_(lookup) {}
  void* handle_;
  Lookup lookup_;
};

// The process's resource library (start-up sets it, the exit step clears
// it). Null while none is set.
void set_resource_library(std::shared_ptr<ResourceLibrary> library);
std::shared_ptr<ResourceLibrary> resource_library();

}  // namespace qn::platform
