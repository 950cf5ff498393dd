// The bounded count reads report on the progress dialog, so they live apart
// from the archive itself (which the fuzz target builds on its own).
#include "config/properties/archive.h"
#include "host/dialog.h"

namespace qn::config {

namespace {

[[noreturn]] void beyond_limit(const char* item) {
  if (item) {
    host::status_printf_id(62727, item);
  } else {
    host::status_printf_id(62726);
  }
  throw CArchiveException(CArchiveException::kBadSchema, "value beyond its limit");
}

}  // namespace

uint16_t ReadBoundedWord(CArchive& ar, uint16_t& limit, const char* item) {
  const uint16_t w = ar.ReadWord();
  if (w > limit) beyond_limit(item);
  limit = w;
  return w;
}

int32_t ReadBoundedDword(CArchive& ar, int32_t& limit, const char* item) {
  const auto d = static_cast<int32_t>(ar.ReadDword());
  if (d > limit) beyond_limit(item);
  limit = d;
  return d;
}

}  // namespace qn::config
