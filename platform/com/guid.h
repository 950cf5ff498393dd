// Globally unique identifiers of classes, interfaces and type libraries, and
// their brace text form "{E40DB714-80AC-11D2-94F1-00105A008D87}".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qn::com {

struct GUID {
  uint32_t Data1 = 0;
  uint16_t Data2 = 0;
  uint16_t Data3 = 0;
  uint8_t Data4[8] = {};

  friend bool operator==(const GUID& a, const GUID& b) = default;
};

using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline constexpr GUID GUID_NULL{};

// The brace form with upper-case digits.
std::string guid_to_string(const GUID& g);

// Reads the brace form; digits of either case. Anything else (no braces,
// a digit missing or extra, a misplaced dash, trailing text) gives nothing.
std::optional<GUID> guid_from_string(std::string_view text);

}  // namespace qn::com
