#include "platform/loaded_module.h"

#include <dlfcn.h>

#include <filesystem>

namespace qn::platform {

std::string loaded_module_path(const void* address) {
  Dl_info info{};
  if (::dladdr(address, &info) == 0 || !info.dli_fname) return {};
  std::error_code ec;
  auto full = std::filesystem::absolute(info.dli_fname, ec);
  return ec ? std::string(info.dli_fname) : full.string();
}

}  // namespace qn::platform
