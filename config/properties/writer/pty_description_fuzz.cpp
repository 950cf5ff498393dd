// Fuzz target of the description parser behind `ptytool build`: every input
// builds or is refused with a line and a reason, and what builds is an
// archive the reader takes back.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "config/properties/prop_defs.h"
#include "config/properties/writer/pty_writer.h"

using namespace qn::config;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> archive;
  ptywriter::BuildError error;
  const std::string_view description(reinterpret_cast<const char*>(data), size);
  if (!ptywriter::build(description, archive, error)) {
    if (error.reason.empty()) __builtin_trap();
    return 0;
  }
  ReadPropArchive(archive);  // must not raise
  return 0;
}
