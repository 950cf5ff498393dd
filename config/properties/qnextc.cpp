#include "config/properties/qnextc.h"

#include <cstring>

#include "config/properties/variant_value.h"

namespace qn::config {

namespace {

using namespace com;

long double number_of(const VARIANT& v) {
  switch (v.vt) {
    case VT_I1:
      return static_cast<signed char>(v.cVal);
    case VT_UI1:
      return v.bVal;
    case VT_I2:
      return v.iVal;
    case VT_UI2:
      return v.uiVal;
    case VT_I4:
      return v.lVal;
    case VT_UI4:
      return v.ulVal;
    case VT_INT:
      return v.intVal;
    case VT_UINT:
      return v.uintVal;
    case VT_I8:
      return static_cast<long double>(v.llVal);
    case VT_UI8:
      return static_cast<long double>(v.ullVal);
    case VT_R4:
      return v.fltVal;
    case VT_R8:
      return v.dblVal;
    case VT_DATE:
      return v.date;
    case VT_CY:
      return static_cast<long double>(v.cyVal.int64) / 10000.0L;
    case VT_BOOL:
      return v.boolVal ? -1 : 0;
    default:
      return 0;
  }
}

int three_way(long double a, long double b) {
  if (a < b) return kCmpLess;
  if (a > b) return kCmpGreater;
  return a == b ? kCmpEqual : kCmpIncomparable;  // NaN
}

int compare_texts(const std::string& a, const std::string& b) {
  const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
  if (c != 0) return c < 0 ? kCmpLess : kCmpGreater;
  if (a.size() == b.size()) return kCmpEqual;
  return a.size() < b.size() ? kCmpLess : kCmpGreater;
}

std::string text_of(const VARIANT& v) {
  VariantValue t;
  if (FAILED(VariantChangeType(t.get(), &v, 0, VT_BSTR))) return {};
  return text_1252_of(t->bstrVal);
}

// A text as a number, when it is one.
bool text_number(const VARIANT& text, long double& out) {
  VariantValue n;
  if (FAILED(VariantChangeType(n.get(), &text, 0, VT_R8))) return false;
  out = n->dblVal;
  return true;
}

// VT_NULL, VT_ERROR and objects: comparable only with their own kind.
bool is_opaque(VARTYPE vt) {
  return vt == VT_NULL || vt == VT_ERROR || vt == VT_UNKNOWN || vt == VT_DISPATCH;
}

}  // namespace

bool is_number_type(VARTYPE vt) {
  switch (vt) {
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_I8:
    case VT_UI8:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
      return true;
    default:
      return false;
  }
}

bool compares_as_number(VARTYPE vt) { return vt == VT_BOOL || is_number_type(vt); }

int CompareVariants(const VARIANT& a, const VARIANT& b) {
  if (is_opaque(a.vt) || is_opaque(b.vt)) {
    if (a.vt != b.vt) return kCmpIncomparable;
    switch (a.vt) {
      case VT_NULL:
        return kCmpEqual;
      case VT_ERROR:
        return a.scode == b.scode ? kCmpEqual : kCmpIncomparable;
      default:
        return a.punkVal == b.punkVal ? kCmpEqual : kCmpIncomparable;
    }
  }
  const bool a_num = compares_as_number(a.vt), b_num = compares_as_number(b.vt);
  const bool a_text = a.vt == VT_BSTR, b_text = b.vt == VT_BSTR;
  const bool a_empty = a.vt == VT_EMPTY, b_empty = b.vt == VT_EMPTY;
  if (!(a_num || a_text || a_empty) || !(b_num || b_text || b_empty)) return kCmpIncomparable;
  if (a_empty && b_empty) return kCmpEqual;
  if ((a_num || a_empty) && (b_num || b_empty)) {
    return three_way(a_empty ? 0 : number_of(a), b_empty ? 0 : number_of(b));
  }
  if ((a_text || a_empty) && (b_text || b_empty)) {
    return compare_texts(a_empty ? std::string() : text_1252_of(a.bstrVal),
                         b_empty ? std::string() : text_1252_of(b.bstrVal));
  }
  // A text against a number.
  const VARIANT& text = a_text ? a : b;
  const VARIANT& number = a_text ? b : a;
  long double t = 0;
  if (text_number(text, t)) {
    return a_text ? three_way(t, number_of(number)) : three_way(number_of(number), t);
  }
  const std::string tt = text_1252_of(text.bstrVal), nt = text_of(number);
  return a_text ? compare_texts(tt, nt) : compare_texts(nt, tt);
}

namespace {

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

void Decrypt(char* text, const char* key, int len, int key_len) {
  if (!text || len <= 0 || len % 2 != 0 || !key || key_len <= 0) return;
  for (int i = 0; i < len; ++i) {
    if (hex_digit(text[i]) < 0) return;
  }
  const int n = len / 2;
  for (int i = 0; i < n; ++i) {
    const int byte = hex_digit(text[2 * i]) * 16 + hex_digit(text[2 * i + 1]);
    text[i] = static_cast<char>(byte ^ static_cast<unsigned char>(key[i % key_len]));
  }
  text[n] = '\0';
}

std::string decrypt_text(std::string_view saved, std::string_view key) {
  std::string buffer(saved);
  Decrypt(buffer.data(), key.data(), static_cast<int>(buffer.size()), static_cast<int>(key.size()));
  return std::string(buffer.c_str());
}

std::string encrypt_text(std::string_view plain, std::string_view key) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(plain.size() * 2);
  for (std::size_t i = 0; i < plain.size(); ++i) {
    const auto byte = static_cast<unsigned char>(plain[i] ^ key[i % key.size()]);
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 15]);
  }
  return out;
}

}  // namespace qn::config
