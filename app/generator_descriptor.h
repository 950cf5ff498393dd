// The generator table: which automation class this program serves and the
// names it goes by. The table is indexed by the built-in generator index;
// this program holds one entry with one row (generator 11).
#pragma once

#include <span>
#include <string>

namespace qn::app {

struct GeneratorDescriptor {
  const char* class_id;      // the class registered for the automation object
  int id;                    // generator number
  const char* short_name;    // stem of the support-file list
  const char* prog_id;       // registry name of the automation class
  const char* display_name;  // title of the progress dialog
};

// The interface of the automation object.
inline constexpr const char* kGeneratorInterfaceId = "{39706BC7-11FE-11D2-AD45-0020AFF6BDBB}";
// The built-in generator index of this program.
inline constexpr int kBuiltInGeneratorIndex = 11;

// The rows of the entry at `index` (empty for an index without rows).
std::span<const GeneratorDescriptor> generator_descriptors(int index = kBuiltInGeneratorIndex);
// The row whose id is `id`, or null.
const GeneratorDescriptor* find_generator_descriptor(int id);

// Process-wide values of the selected generator.
struct CurrentGenerator {
  int id = 0;
  std::string short_name;
  std::string display_name;
};
CurrentGenerator& current_generator();

// Sets the current generator from a row (also the run state's generator id).
void set_current_generator(const GeneratorDescriptor& row);

// Start-up: takes the first row of the built-in entry. False (after the box
// "Invalid Generator") when the entry has no rows.
bool SelectGeneratorDescriptor();

}  // namespace qn::app
