// Archives for tests: built from a description (see writer/pty_writer.h).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "config/properties/prop_defs.h"
#include "config/properties/writer/pty_writer.h"

namespace qn::config {

inline std::vector<uint8_t> pty_bytes(std::string_view description) {
  std::vector<uint8_t> bytes;
  ptywriter::BuildError error;
  EXPECT_TRUE(ptywriter::build(description, bytes, error)) << error.line << ": " << error.reason;
  return bytes;
}

inline std::vector<uint8_t> hex_bytes(std::string_view hex) {
  std::vector<uint8_t> out;
  int high = -1;
  for (char c : hex) {
    int d = c >= '0' && c <= '9'   ? c - '0'
            : c >= 'A' && c <= 'F' ? c - 'A' + 10
            : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                   : -1;
    if (d < 0) continue;
    if (high < 0) {
      high = d;
    } else {
      out.push_back(static_cast<uint8_t>(high * 16 + d));
      high = -1;
    }
  }
  return out;
}

}  // namespace qn::config
