// The tagged value of the object model, and its length-prefixed text.
//
// VARTYPE codes keep their published numbers, since archives and peers store
// them. A BSTR points at UTF-16 text that is followed by a zero unit and
// preceded by its length in bytes (a 32-bit word); a null BSTR is the empty
// text. Texts of this program are Windows-1252 and cross into BSTRs through
// platform/cp1252.
//
// Conversions (VariantChangeType) follow what callers of the object model
// expect:
// - to text: integers in decimal, VT_BOOL "True"/"False", reals with '.' and
//   up to 15 significant digits, currency with up to four decimals;
// - text to a number: one signed number, blanks around it allowed, nothing
//   else; text to VT_BOOL also takes "True"/"False" in any case;
// - between numbers: out of range is DISP_E_OVERFLOW, reals round to the
//   nearest integer (halves to even); VT_BOOL true is -1;
// - VT_EMPTY gives 0, "" or false; VT_NULL and VT_ERROR convert to nothing but
//   their own type.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qn::com {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using CHAR = char;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using INT = std::int32_t;
using UINT = std::uint32_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using FLOAT = float;
using DOUBLE = double;
using DATE = double;
using SCODE = std::int32_t;
using HRESULT = std::int32_t;
using OLECHAR = char16_t;
using BSTR = OLECHAR*;
using VARTYPE = std::uint16_t;
using VARIANT_BOOL = std::int16_t;

inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000EU);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057U);
inline constexpr HRESULT DISP_E_BADVARTYPE = static_cast<HRESULT>(0x80020008U);
inline constexpr HRESULT DISP_E_OVERFLOW = static_cast<HRESULT>(0x8002000AU);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005U);

inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }

enum : VARTYPE {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R4 = 4,
  VT_R8 = 5,
  VT_CY = 6,
  VT_DATE = 7,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_DECIMAL = 14,
  VT_I1 = 16,
  VT_UI1 = 17,
  VT_UI2 = 18,
  VT_UI4 = 19,
  VT_I8 = 20,
  VT_UI8 = 21,
  VT_INT = 22,
  VT_UINT = 23,
  VT_VOID = 24,
  VT_HRESULT = 25,
  VT_ARRAY = 0x2000,
  VT_BYREF = 0x4000,
};

// Currency: a 64-bit integer scaled by 10000.
struct CY {
  LONGLONG int64;
};

// Object and array types are only named here; their layer defines them.
struct IUnknown;
struct IDispatch;
struct SAFEARRAY;

struct VARIANT {
  VARTYPE vt;
  WORD wReserved1;
  WORD wReserved2;
  WORD wReserved3;
  union {
    LONGLONG llVal;
    LONG lVal;
    BYTE bVal;
    SHORT iVal;
    FLOAT fltVal;
    DOUBLE dblVal;
    VARIANT_BOOL boolVal;
    SCODE scode;
    CY cyVal;
    DATE date;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
    SAFEARRAY* parray;
    CHAR cVal;
    USHORT uiVal;
    ULONG ulVal;
    ULONGLONG ullVal;
    INT intVal;
    UINT uintVal;
    void* byref;
  };
};
using VARIANTARG = VARIANT;

// BSTR allocation. SysAllocString of null is null; SysAllocStringLen of a
// null source gives a zero-filled text of that length. Null on no memory.
BSTR SysAllocString(const OLECHAR* s);
BSTR SysAllocStringLen(const OLECHAR* s, UINT len);
void SysFreeString(BSTR s);
UINT SysStringLen(BSTR s);      // in UTF-16 units, 0 for null
UINT SysStringByteLen(BSTR s);  // in bytes, 0 for null

// Windows-1252 texts to and from BSTRs. A BSTR's text ends at its first NUL.
BSTR bstr_from_1252(std::string_view text);
std::string text_1252_of(BSTR s);

void VariantInit(VARIANTARG* v);
// Values to pass: a new BSTR of the Windows-1252 text (VariantClear frees
// it), a 2-byte and a 4-byte integer.
VARIANT text_variant(std::string_view text);
VARIANT i2_variant(SHORT n);
VARIANT i4_variant(LONG n);
// Frees what v owns and leaves VT_EMPTY.
HRESULT VariantClear(VARIANTARG* v);
// dest is cleared first; a text is copied. On failure dest is VT_EMPTY.
HRESULT VariantCopy(VARIANTARG* dest, const VARIANTARG* src);
// dest may be src (conversion in place). On failure dest is left as it was.
HRESULT VariantChangeType(VARIANTARG* dest, const VARIANTARG* src, USHORT flags, VARTYPE vt);

}  // namespace qn::com
