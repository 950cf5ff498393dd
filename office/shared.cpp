#include "office/shared.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/com/activation.h"
#include "platform/com/apartment.h"
#include "platform/com/dispatch.h"
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

std::vector<com::VARIANT> missing_args(size_t n) {
  return std::vector<com::VARIANT>(n, VariantMissing);
}

com::VARIANT flag_variant(bool on) { return on ? VariantTrue : VariantFalse; }

std::vector<com::VARIANT> concat(std::initializer_list<std::vector<com::VARIANT>> parts) {
  std::vector<com::VARIANT> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

bool file_exists(const std::string& name) {
  std::error_code ec;
  return std::filesystem::exists(name, ec) && !std::filesystem::is_directory(name, ec);
}

com::VARIANT bstr_variant(com::BSTR s) {
  com::VARIANT v;
  com::VariantInit(&v);
  v.vt = com::VT_BSTR;
  v.bstrVal = com::SysAllocStringLen(s, com::SysStringLen(s));
  return v;
}

bool has_nul(com::BSTR s) {
  const com::UINT n = com::SysStringLen(s);
  for (com::UINT i = 0; i < n; ++i) {
    if (s[i] == 0) return true;
  }
  return false;
}

bool complete_file_name(std::string* name, std::string_view extension) {
  const char* blanks = " \t\r\n\v\f";
  const size_t first = name->find_first_not_of(blanks);
  if (first == std::string::npos) {
    name->clear();
    return false;
  }
  *name = name->substr(first, name->find_last_not_of(blanks) - first + 1);
  const size_t dot = name->rfind('.');
  const size_t slash = name->find_last_of("\\/");
  if (dot == std::string::npos || (slash != std::string::npos && slash > dot)) {
    name->append(extension);
  }
  return true;
}

std::vector<com::VARIANT> macro_arguments(com::VARIANT name,
                                          std::initializer_list<const com::VARIANT*> args) {
  std::vector<com::VARIANT> all = {name};
  all.reserve(args.size() + 1);
  for (const com::VARIANT* a : args) {
    com::VARIANT copy;
    com::VariantInit(&copy);
    if (a->vt == com::VT_BOOL || com::FAILED(com::VariantCopy(&copy, a))) copy = VariantMissing;
    all.push_back(copy);
  }
  return all;
}

std::string message_text(const char* const messages[], size_t count, short code,
                         const std::string& detail) {
  if (code <= 0 || static_cast<size_t>(code) >= count) return {};
  std::string text = messages[code];
  if (!text.empty() && text.back() == ' ') text += detail;
  return text;
}

com::HRESULT create_automation_object(const char* prog_id, com::IDispatch** out) {
  *out = nullptr;
  com::CLSID clsid;
  com::HRESULT h = com::CLSIDFromProgID(prog_id, &clsid);
  if (com::FAILED(h)) return h;
  const com::HRESULT init = com::CoInitializeEx(nullptr, com::COINIT_APARTMENTTHREADED);
  h = com::CoCreateInstance(clsid, nullptr, com::CLSCTX_INPROC_SERVER, com::IID_IDispatch,
                            reinterpret_cast<void**>(out));
  if (com::SUCCEEDED(init)) com::CoUninitialize();
  return h;
}

void show_message(const std::string& text) {
  platform::message_box(text, "QnOffice", platform::kMbOk);
}

}  // namespace qn::office
