#include "app/generator_descriptor.h"

#include "host/run_state.h"
#include "platform/message_box.h"

namespace qn::app {
namespace {

constexpr GeneratorDescriptor kJavaGenerator[] = {
    {"{1150E36F-5DB6-4EFB-8CCC-98D9AB3A6385}", 11, "QNJAVA", "QnJava7.Generator",
     "Quenora Java Generator"},
};

}  // namespace

std::span<const GeneratorDescriptor> generator_descriptors(int index) {
  if (index == kBuiltInGeneratorIndex) return kJavaGenerator;
  return {};
}

const GeneratorDescriptor* find_generator_descriptor(int id) {
  for (const GeneratorDescriptor& row : generator_descriptors()) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

CurrentGenerator& current_generator() {
  static CurrentGenerator current;
  return current;
}

void set_current_generator(const GeneratorDescriptor& row) {
  CurrentGenerator& cur = current_generator();
  cur.id = row.id;
  cur.short_name = row.short_name;
  cur.display_name = row.display_name;
  host::run_state().generator_id = row.id;
}

bool SelectGeneratorDescriptor() {
  auto rows = generator_descriptors();
  if (rows.empty()) {
    platform::message_box("Invalid Generator", "qnjavagen", platform::kMbOk);
    return false;
  }
  CurrentGenerator& cur = current_generator();
  cur.id = rows.front().id;
  cur.display_name = rows.front().display_name;
  host::run_state().generator_id = rows.front().id;
  return true;
}

}  // namespace qn::app
