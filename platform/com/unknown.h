// The base interfaces of the component layer as abstract classes. They have
// no virtual destructor, so the virtual slots are exactly the members in
// declaration order, derived interfaces appending theirs: a pointer to an
// interface is a pointer to its table of slots, as callers of these
// modules expect. Objects are destroyed by their last Release, never through
// an interface pointer.
#pragma once

#include <cstdint>

#include "platform/com/guid.h"
#include "platform/com/hresult.h"

namespace qn::com {

// {00000000-0000-0000-C000-000000000046}
inline constexpr IID IID_IUnknown{
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {00000001-0000-0000-C000-000000000046}
inline constexpr IID IID_IClassFactory{
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {DF0B3D60-548F-101B-8E65-08002B2BD119}
inline constexpr IID IID_ISupportErrorInfo{
    0xDF0B3D60, 0x548F, 0x101B, {0x8E, 0x65, 0x08, 0x00, 0x2B, 0x2B, 0xD1, 0x19}};

struct IUnknown {
 public:
  virtual HRESULT QueryInterface(REFIID iid, void** out) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  ~IUnknown() = default;
};

struct IClassFactory : IUnknown {
 public:
  // outer: the controlling object when the new one is aggregated, else null.
  virtual HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) = 0;
  // Keeps the module loaded while locked (counted).
  virtual HRESULT LockServer(int lock) = 0;

 protected:
  ~IClassFactory() = default;
};

struct ISupportErrorInfo : IUnknown {
 public:
  // S_OK when the interface iid reports errors through error objects, else
  // S_FALSE.
  virtual HRESULT InterfaceSupportsErrorInfo(REFIID iid) = 0;

 protected:
  ~ISupportErrorInfo() = default;
};

// The entry points every in-process module exports.
using DllGetClassObjectFn = HRESULT (*)(REFCLSID clsid, REFIID iid, void** out);
using DllCanUnloadNowFn = HRESULT (*)();
using DllRegisterServerFn = HRESULT (*)();

}  // namespace qn::com
