// Result codes of the component layer, with their published values. A code
// with the top bit set is a failure. HRESULT, S_OK, S_FALSE and the codes the
// value conversions answer come with the values themselves (variant.h).
#pragma once

#include <cstdint>

#include "platform/com/variant.h"

namespace qn::com {

constexpr HRESULT hr(uint32_t code) { return static_cast<HRESULT>(code); }

inline constexpr HRESULT E_NOTIMPL = hr(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = hr(0x80004002);
inline constexpr HRESULT E_POINTER = hr(0x80004003);
inline constexpr HRESULT E_FAIL = hr(0x80004005);
inline constexpr HRESULT E_UNEXPECTED = hr(0x8000FFFF);
inline constexpr HRESULT E_ACCESSDENIED = hr(0x80070005);
inline constexpr HRESULT E_MOD_NOT_FOUND = hr(0x8007007E);  // a module that cannot be loaded
inline constexpr HRESULT CLASS_E_NOAGGREGATION = hr(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = hr(0x80040111);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = hr(0x80040154);
inline constexpr HRESULT SELFREG_E_TYPELIB = hr(0x80040200);
inline constexpr HRESULT SELFREG_E_CLASS = hr(0x80040201);
inline constexpr HRESULT CO_E_NOTINITIALIZED = hr(0x800401F0);
inline constexpr HRESULT CO_E_CLASSSTRING = hr(0x800401F3);
inline constexpr HRESULT CO_E_ERRORINDLL = hr(0x800401F9);
inline constexpr HRESULT RPC_E_CHANGED_MODE = hr(0x80010106);
inline constexpr HRESULT DISP_E_UNKNOWNINTERFACE = hr(0x80020001);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = hr(0x80020003);
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = hr(0x80020004);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = hr(0x80020006);
inline constexpr HRESULT DISP_E_NONAMEDARGS = hr(0x80020007);
inline constexpr HRESULT DISP_E_EXCEPTION = hr(0x80020009);
inline constexpr HRESULT DISP_E_BADINDEX = hr(0x8002000B);
inline constexpr HRESULT DISP_E_ARRAYISLOCKED = hr(0x8002000D);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = hr(0x8002000E);
inline constexpr HRESULT DISP_E_PARAMNOTOPTIONAL = hr(0x8002000F);
inline constexpr HRESULT TYPE_E_ELEMENTNOTFOUND = hr(0x8002802B);

}  // namespace qn::com
