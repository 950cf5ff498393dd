#include "office/shared.h"

#include <cstring>

#include "platform/message_box.h"

namespace qn::office {
namespace {

com::VARIANT make(com::VARTYPE vt, com::SHORT i2, com::SCODE scode) {
  com::VARIANT v;
  com::VariantInit(&v);
  v.vt = vt;
  if (vt == com::VT_ERROR) {
    v.scode = scode;
  } else {
    v.iVal = i2;
  }
  return v;
}

}  // namespace

const com::VARIANT VariantTrue = make(com::VT_I2, 1, 0);
const com::VARIANT VariantFalse = make(com::VT_I2, 0, 0);
const com::VARIANT VariantMissing = make(com::VT_ERROR, 0, static_cast<com::SCODE>(0x80020004U));

com::BSTR AnsiToBstr(const char* text, int length) {
  if (!text) return nullptr;
  const size_t n = length < 0 ? std::strlen(text) : static_cast<size_t>(length);
  return com::bstr_from_1252(std::string_view(text, n));
}

void show_message(const std::string& text) {
  platform::message_box(text, "QnOffice", platform::kMbOk);
}

}  // namespace qn::office
