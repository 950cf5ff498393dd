#include "platform/com/variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/com/dispatch.h"
#include "platform/com/safearray.h"
#include "platform/com/unknown.h"
#include "platform/cp1252.h"

namespace qn::com {

// ---------------------------------------------------------------- BSTR

BSTR SysAllocStringLen(const OLECHAR* s, UINT len) {
  const std::size_t bytes = static_cast<std::size_t>(len) * sizeof(OLECHAR);
  if (bytes > std::numeric_limits<DWORD>::max() - 8) return nullptr;
  auto* block = static_cast<unsigned char*>(std::malloc(sizeof(DWORD) + bytes + sizeof(OLECHAR)));
  if (!block) return nullptr;
  const DWORD prefix = static_cast<DWORD>(bytes);
  std::memcpy(block, &prefix, sizeof prefix);
  auto* text = reinterpret_cast<OLECHAR*>(block + sizeof(DWORD));
  if (s) {
    std::memcpy(text, s, bytes);
  } else {
    std::memset(text, 0, bytes);
  }
  text[len] = 0;
  return text;
}

BSTR SysAllocString(const OLECHAR* s) {
  if (!s) return nullptr;
  UINT len = 0;
  while (s[len]) ++len;
  return SysAllocStringLen(s, len);
}

void SysFreeString(BSTR s) {
  if (s) std::free(reinterpret_cast<unsigned char*>(s) - sizeof(DWORD));
}

UINT SysStringByteLen(BSTR s) {
  if (!s) return 0;
  DWORD prefix;
  std::memcpy(&prefix, reinterpret_cast<unsigned char*>(s) - sizeof(DWORD), sizeof prefix);
  return prefix;
}

UINT SysStringLen(BSTR s) { return SysStringByteLen(s) / sizeof(OLECHAR); }

BSTR bstr_from_1252(std::string_view text) {
  const std::u16string wide = platform::utf16_from_1252(text);
  if (wide.size() > std::numeric_limits<UINT>::max() / 2) return nullptr;
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string text_1252_of(BSTR s) {
  // The classes read a BSTR as a zero-terminated text: it ends at its first
  // NUL.
  std::u16string_view text(s ? s : u"", SysStringLen(s));
  return platform::cp1252_from_utf16(text.substr(0, text.find(u'\0')));
}

// ---------------------------------------------------------------- VARIANT

void VariantInit(VARIANTARG* v) {
  v->vt = VT_EMPTY;
  v->wReserved1 = v->wReserved2 = v->wReserved3 = 0;
  v->llVal = 0;
}

namespace {

VARIANT empty_of_type(VARTYPE vt) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  return v;
}

}  // namespace

VARIANT text_variant(std::string_view text) {
  VARIANT v = empty_of_type(VT_BSTR);
  v.bstrVal = bstr_from_1252(text);
  return v;
}

VARIANT i2_variant(SHORT n) {
  VARIANT v = empty_of_type(VT_I2);
  v.iVal = n;
  return v;
}

VARIANT i4_variant(LONG n) {
  VARIANT v = empty_of_type(VT_I4);
  v.lVal = n;
  return v;
}

HRESULT VariantClear(VARIANTARG* v) {
  if (!v) return E_INVALIDARG;
  if (v->vt == VT_BSTR) SysFreeString(v->bstrVal);
  // A value holds one reference of its object, and owns its array.
  if ((v->vt == VT_UNKNOWN || v->vt == VT_DISPATCH) && v->punkVal) v->punkVal->Release();
  if ((v->vt & VT_ARRAY) && !(v->vt & VT_BYREF)) {
    HRESULT h = SafeArrayDestroy(v->parray);
    if (FAILED(h)) return h;
  }
  VariantInit(v);
  return S_OK;
}

HRESULT VariantCopy(VARIANTARG* dest, const VARIANTARG* src) {
  if (!dest || !src) return E_INVALIDARG;
  if (dest == src) return S_OK;
  VARIANT copy = *src;
  if (src->vt == VT_BSTR && src->bstrVal) {
    copy.bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
    if (!copy.bstrVal) {
      VariantClear(dest);
      return E_OUTOFMEMORY;
    }
  }
  if ((src->vt & VT_ARRAY) && !(src->vt & VT_BYREF)) {
    HRESULT h = SafeArrayCopy(src->parray, &copy.parray);
    if (FAILED(h)) {
      VariantClear(dest);
      return h;
    }
  }
  if ((src->vt == VT_UNKNOWN || src->vt == VT_DISPATCH) && src->punkVal) src->punkVal->AddRef();
  VariantClear(dest);
  *dest = copy;
  return S_OK;
}

namespace {

// A value lifted out of its VARIANT for conversion.
struct Scalar {
  enum Kind { kEmpty, kSigned, kUnsigned, kReal, kCurrency, kBool, kText } kind = kEmpty;
  LONGLONG i = 0;
  ULONGLONG u = 0;
  double r = 0;
  std::string text;
};

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Text as one signed number with blanks around it. Whole numbers without a
// fraction or exponent stay exact.
bool parse_number(std::string_view s, Scalar& out) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  std::size_t p = 0, digits = 0;
  while (p < s.size() && s[p] >= '0' && s[p] <= '9') ++p, ++digits;
  const bool whole = digits > 0 && p == s.size();
  if (p < s.size() && s[p] == '.') {
    ++p;
    while (p < s.size() && s[p] >= '0' && s[p] <= '9') ++p, ++digits;
  }
  if (digits == 0) return false;
  if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
    std::size_t q = p + 1;
    if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
    std::size_t exp_digits = 0;
    while (q < s.size() && s[q] >= '0' && s[q] <= '9') ++q, ++exp_digits;
    if (exp_digits == 0) return false;
    p = q;
  }
  if (p != s.size()) return false;
  if (whole) {
    ULONGLONG u = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), u);
    if (ec == std::errc() && end == s.data() + s.size()) {
      if (!negative) {
        out.kind = Scalar::kUnsigned;
        out.u = u;
        return true;
      }
      if (u <= static_cast<ULONGLONG>(std::numeric_limits<LONGLONG>::max()) + 1) {
        out.kind = Scalar::kSigned;
        out.i = u == static_cast<ULONGLONG>(std::numeric_limits<LONGLONG>::max()) + 1
                    ? std::numeric_limits<LONGLONG>::min()
                    : -static_cast<LONGLONG>(u);
        return true;
      }
    }
  }
  double r = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), r);
  if (end != s.data() + s.size() || (ec != std::errc() && ec != std::errc::result_out_of_range))
    return false;
  if (!std::isfinite(r)) return false;
  out.kind = Scalar::kReal;
  out.r = negative ? -r : r;
  return true;
}

HRESULT lift(const VARIANT& v, Scalar& s) {
  switch (v.vt) {
    case VT_EMPTY:
      s.kind = Scalar::kEmpty;
      return S_OK;
    case VT_I1:
      s.kind = Scalar::kSigned;
      s.i = static_cast<signed char>(v.cVal);
      return S_OK;
    case VT_I2:
      s.kind = Scalar::kSigned;
      s.i = v.iVal;
      return S_OK;
    case VT_I4:
      s.kind = Scalar::kSigned;
      s.i = v.lVal;
      return S_OK;
    case VT_INT:
      s.kind = Scalar::kSigned;
      s.i = v.intVal;
      return S_OK;
    case VT_I8:
      s.kind = Scalar::kSigned;
      s.i = v.llVal;
      return S_OK;
    case VT_UI1:
      s.kind = Scalar::kUnsigned;
      s.u = v.bVal;
      return S_OK;
    case VT_UI2:
      s.kind = Scalar::kUnsigned;
      s.u = v.uiVal;
      return S_OK;
    case VT_UI4:
      s.kind = Scalar::kUnsigned;
      s.u = v.ulVal;
      return S_OK;
    case VT_UINT:
      s.kind = Scalar::kUnsigned;
      s.u = v.uintVal;
      return S_OK;
    case VT_UI8:
      s.kind = Scalar::kUnsigned;
      s.u = v.ullVal;
      return S_OK;
    case VT_R4:
      s.kind = Scalar::kReal;
      s.r = v.fltVal;
      return S_OK;
    case VT_R8:
      s.kind = Scalar::kReal;
      s.r = v.dblVal;
      return S_OK;
    case VT_DATE:
      s.kind = Scalar::kReal;
      s.r = v.date;
      return S_OK;
    case VT_CY:
      s.kind = Scalar::kCurrency;
      s.i = v.cyVal.int64;
      return S_OK;
    case VT_BOOL:
      s.kind = Scalar::kBool;
      s.i = v.boolVal ? -1 : 0;
      return S_OK;
    case VT_BSTR:
      s.kind = Scalar::kText;
      s.text = text_1252_of(v.bstrVal);
      return S_OK;
    case VT_NULL:
    case VT_ERROR:
    case VT_UNKNOWN:
    case VT_DISPATCH:
      return DISP_E_TYPEMISMATCH;
    default:
      return DISP_E_BADVARTYPE;
  }
}

// The value as a signed or unsigned whole number, or a real.
HRESULT numeric(const Scalar& s, VARTYPE target, Scalar& out) {
  switch (s.kind) {
    case Scalar::kEmpty:
      out.kind = Scalar::kSigned;
      out.i = 0;
      return S_OK;
    case Scalar::kBool:
      out.kind = Scalar::kSigned;
      out.i = s.i;
      return S_OK;
    case Scalar::kCurrency:
      out.kind = Scalar::kReal;
      out.r = static_cast<double>(s.i) / 10000.0;
      return S_OK;
    case Scalar::kText: {
      if (target == VT_BOOL) {
        if (platform::iequals_1252(s.text, "True")) {
          out.kind = Scalar::kSigned;
          out.i = -1;
          return S_OK;
        }
        if (platform::iequals_1252(s.text, "False")) {
          out.kind = Scalar::kSigned;
          out.i = 0;
          return S_OK;
        }
      }
      return parse_number(s.text, out) ? S_OK : DISP_E_TYPEMISMATCH;
    }
    default:
      out = s;
      return S_OK;
  }
}

// Whole number in [lo, hi] from a lifted numeric value; reals round to the
// nearest, halves to even.
HRESULT whole(const Scalar& n, long double lo, long double hi, bool want_unsigned, LONGLONG& si,
              ULONGLONG& ui) {
  if (n.kind == Scalar::kReal) {
    if (!std::isfinite(n.r)) return DISP_E_OVERFLOW;
    const double r = std::nearbyint(n.r);
    if (static_cast<long double>(r) < lo || static_cast<long double>(r) > hi)
      return DISP_E_OVERFLOW;
    if (want_unsigned)
      ui = static_cast<ULONGLONG>(r);
    else
      si = static_cast<LONGLONG>(r);
    return S_OK;
  }
  if (n.kind == Scalar::kUnsigned) {
    if (static_cast<long double>(n.u) > hi) return DISP_E_OVERFLOW;
    if (want_unsigned)
      ui = n.u;
    else
      si = static_cast<LONGLONG>(n.u);
    return S_OK;
  }
  if (static_cast<long double>(n.i) < lo || static_cast<long double>(n.i) > hi)
    return DISP_E_OVERFLOW;
  if (want_unsigned)
    ui = static_cast<ULONGLONG>(n.i);
  else
    si = n.i;
  return S_OK;
}

double as_real(const Scalar& n) {
  switch (n.kind) {
    case Scalar::kUnsigned:
      return static_cast<double>(n.u);
    case Scalar::kReal:
      return n.r;
    default:
      return static_cast<double>(n.i);
  }
}

std::string real_text(double r, int digits) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.*G", digits, r);
  return buf;
}

std::string currency_text(LONGLONG v) {
  const bool negative = v < 0;
  const ULONGLONG a = negative ? 0 - static_cast<ULONGLONG>(v) : static_cast<ULONGLONG>(v);
  std::string out = (negative ? "-" : "") + std::to_string(a / 10000);
  ULONGLONG frac = a % 10000;
  if (frac) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04llu", static_cast<unsigned long long>(frac));
    std::string f = buf;
    while (f.back() == '0') f.pop_back();
    out += "." + f;
  }
  return out;
}

HRESULT to_text(const VARIANT& src, const Scalar& s, std::string& out) {
  switch (s.kind) {
    case Scalar::kEmpty:
      out.clear();
      return S_OK;
    case Scalar::kText:
      out = s.text;
      return S_OK;
    case Scalar::kBool:
      out = s.i ? "True" : "False";
      return S_OK;
    case Scalar::kSigned:
      out = std::to_string(s.i);
      return S_OK;
    case Scalar::kUnsigned:
      out = std::to_string(s.u);
      return S_OK;
    case Scalar::kCurrency:
      out = currency_text(s.i);
      return S_OK;
    case Scalar::kReal:
      out = real_text(s.r, src.vt == VT_R4 ? 7 : 15);
      return S_OK;
  }
  return DISP_E_TYPEMISMATCH;
}

HRESULT convert(const VARIANT& src, VARTYPE vt, VARIANT& out) {
  VariantInit(&out);
  if ((vt & (VT_ARRAY | VT_BYREF)) || (src.vt & (VT_ARRAY | VT_BYREF))) return DISP_E_BADVARTYPE;
  if (vt == VT_EMPTY) return S_OK;
  if (src.vt == vt) return VariantCopy(&out, &src);
  if (vt == VT_NULL) {
    if (src.vt != VT_EMPTY) return DISP_E_TYPEMISMATCH;
    out.vt = VT_NULL;
    return S_OK;
  }
  Scalar s;
  if (HRESULT hr = lift(src, s); FAILED(hr)) return hr;
  if (vt == VT_BSTR) {
    std::string text;
    if (HRESULT hr = to_text(src, s, text); FAILED(hr)) return hr;
    out.bstrVal = bstr_from_1252(text);
    if (!out.bstrVal) return E_OUTOFMEMORY;
    out.vt = VT_BSTR;
    return S_OK;
  }
  Scalar n;
  if (HRESULT hr = numeric(s, vt, n); FAILED(hr)) return hr;
  LONGLONG si = 0;
  ULONGLONG ui = 0;
  HRESULT hr = S_OK;
  constexpr long double kI64Max = static_cast<long double>(std::numeric_limits<LONGLONG>::max());
  constexpr long double kI64Min = static_cast<long double>(std::numeric_limits<LONGLONG>::min());
  constexpr long double kU64Max = static_cast<long double>(std::numeric_limits<ULONGLONG>::max());
  switch (vt) {
    case VT_I1:
      hr = whole(n, -128, 127, false, si, ui);
      out.cVal = static_cast<CHAR>(si);
      break;
    case VT_I2:
      hr = whole(n, -32768, 32767, false, si, ui);
      out.iVal = static_cast<SHORT>(si);
      break;
    case VT_I4:
    case VT_INT:
      hr = whole(n, -2147483648.0L, 2147483647.0L, false, si, ui);
      out.lVal = static_cast<LONG>(si);
      break;
    case VT_I8:
      hr = whole(n, kI64Min, kI64Max, false, si, ui);
      out.llVal = si;
      break;
    case VT_UI1:
      hr = whole(n, 0, 255, true, si, ui);
      out.bVal = static_cast<BYTE>(ui);
      break;
    case VT_UI2:
      hr = whole(n, 0, 65535, true, si, ui);
      out.uiVal = static_cast<USHORT>(ui);
      break;
    case VT_UI4:
    case VT_UINT:
      hr = whole(n, 0, 4294967295.0L, true, si, ui);
      out.ulVal = static_cast<ULONG>(ui);
      break;
    case VT_UI8:
      hr = whole(n, 0, kU64Max, true, si, ui);
      out.ullVal = ui;
      break;
    case VT_R4: {
      const double r = as_real(n);
      if (std::fabs(r) > std::numeric_limits<float>::max()) return DISP_E_OVERFLOW;
      out.fltVal = static_cast<float>(r);
      break;
    }
    case VT_R8:
      out.dblVal = as_real(n);
      break;
    case VT_DATE:
      out.date = as_real(n);
      break;
    case VT_CY: {
      const long double r = static_cast<long double>(as_real(n)) * 10000.0L;
      if (n.kind == Scalar::kSigned || n.kind == Scalar::kUnsigned) {
        const long double exact = n.kind == Scalar::kSigned
                                      ? static_cast<long double>(n.i) * 10000.0L
                                      : static_cast<long double>(n.u) * 10000.0L;
        if (exact < kI64Min || exact >= kI64Max) return DISP_E_OVERFLOW;
        out.cyVal.int64 =
            n.kind == Scalar::kSigned ? n.i * 10000 : static_cast<LONGLONG>(n.u) * 10000;
      } else {
        const long double rounded = std::nearbyint(r);
        if (!(rounded >= kI64Min && rounded < kI64Max)) return DISP_E_OVERFLOW;
        out.cyVal.int64 = static_cast<LONGLONG>(rounded);
      }
      break;
    }
    case VT_BOOL:
      out.boolVal = as_real(n) != 0 ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VT_ERROR:
    case VT_UNKNOWN:
    case VT_DISPATCH:
      return DISP_E_TYPEMISMATCH;
    default:
      return DISP_E_BADVARTYPE;
  }
  if (FAILED(hr)) return hr;
  out.vt = vt;
  return S_OK;
}

}  // namespace

HRESULT VariantChangeType(VARIANTARG* dest, const VARIANTARG* src, USHORT flags, VARTYPE vt) {
  if (!dest || !src) return E_INVALIDARG;
  if (src->vt == VT_DISPATCH && src->pdispVal && vt != VT_DISPATCH && vt != VT_UNKNOWN &&
      vt != VT_EMPTY) {
    // An object converts through its default member (number 0).
    VARIANT value;
    VariantInit(&value);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    if (FAILED(src->pdispVal->Invoke(0, IID{}, 0, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                                     nullptr)) ||
        value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN) {
      VariantClear(&value);
      return DISP_E_TYPEMISMATCH;
    }
    HRESULT hr = VariantChangeType(&value, &value, flags, vt);
    if (SUCCEEDED(hr)) {
      VariantClear(dest);
      *dest = value;
    } else {
      VariantClear(&value);
    }
    return hr;
  }
  VARIANT result;
  HRESULT hr = convert(*src, vt, result);
  if (FAILED(hr)) {
    VariantClear(&result);
    return hr;
  }
  VariantClear(dest);
  *dest = result;
  return S_OK;
}

}  // namespace qn::com
