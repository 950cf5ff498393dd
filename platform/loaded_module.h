// Where loaded code came from: the file of the program or shared library
// that holds an address, as the modules' self-registration records it.
#pragma once

#include <string>

namespace qn::platform {

// The full path of the loaded file (program or shared library) holding
// `address`; empty when no loaded file holds it.
std::string loaded_module_path(const void* address);

}  // namespace qn::platform
