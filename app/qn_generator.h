// The automation object of the generator and its dispatch map.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/generation.h"
#include "platform/automation.h"

namespace qn::app {

class CQnGenerator {
 public:
  // Selects the generator row of `id`, posts its display name to the
  // progress dialog as the title.
  CQnGenerator(int id, Generation& generation);
  CQnGenerator(const CQnGenerator&) = delete;
  CQnGenerator& operator=(const CQnGenerator&) = delete;

  // 1: makes the path the current directory; false when it cannot be
  // entered (the current directory is then unchanged). "" changes nothing.
  bool SetModelPath(std::string_view path);
  // 2: keeps the first 30 characters of the name as the user name.
  bool SetUserName(std::string_view name);
  // 3: one generation run.
  bool Generate(int16_t first, int16_t model);

  // Publishes the three methods, by name and by dispatch id.
  void add_methods(platform::AutomationServer& server);

 private:
  Generation& generation_;
};

}  // namespace qn::app
