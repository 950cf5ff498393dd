#include "platform/resource_library.h"

#include <dlfcn.h>

#include <mutex>

namespace qn::platform {

std::unique_ptr<ResourceLibrary> ResourceLibrary::load(std::string_view dir,
                                                       std::string_view name) {
  std::string path(dir);
  if (!path.empty() && path.back() != '/') path += '/';
  path += "lib";
  path.append(name);
  path += ".so";
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return nullptr;
  auto lookup = reinterpret_cast<Lookup>(::dlsym(handle, "qn_resource_string"));
  if (!lookup) {
    ::dlclose(handle);
    return nullptr;
  }
  return std::unique_ptr<ResourceLibrary>(new ResourceLibrary(handle, lookup));
}

ResourceLibrary::~ResourceLibrary() { ::dlclose(handle_); }

std::optional<std::string> ResourceLibrary::load_string(unsigned id) const {
  const char* text = lookup_(id);
  if (!text) return std::nullopt;
  return std::string(text);
}

namespace {
std::mutex g_mutex;
std::shared_ptr<ResourceLibrary> g_library;
}  // namespace

void set_resource_library(std::shared_ptr<ResourceLibrary> library) {
  std::lock_guard lock(g_mutex);
  g_library = std::move(library);
}

std::shared_ptr<ResourceLibrary> resource_library() {
  std::lock_guard lock(g_mutex);
  return g_library;
}

}  // namespace qn::platform
