// Late binding: IDispatch, by which a client calls a member by name or
// number with tagged values, and the part of ITypeInfo this system uses.
// Slots follow declaration order, as for every interface here (unknown.h).
#pragma once

#include "platform/com/unknown.h"
#include "platform/com/variant.h"

namespace qn::com {

using DISPID = LONG;
using MEMBERID = DISPID;
using LCID = ULONG;

inline constexpr DISPID DISPID_UNKNOWN = -1;
inline constexpr DISPID DISPID_PROPERTYPUT = -3;
inline constexpr MEMBERID MEMBERID_NIL = -1;

enum : WORD {
  DISPATCH_METHOD = 0x1,
  DISPATCH_PROPERTYGET = 0x2,
  DISPATCH_PROPERTYPUT = 0x4,
  DISPATCH_PROPERTYPUTREF = 0x8,
};

// Arguments of a call, the last one first. A put passes its value as the one
// argument named DISPID_PROPERTYPUT.
struct DISPPARAMS {
  VARIANTARG* rgvarg;
  DISPID* rgdispidNamedArgs;
  UINT cArgs;
  UINT cNamedArgs;
};

struct EXCEPINFO {
  WORD wCode;
  WORD wReserved;
  BSTR bstrSource;
  BSTR bstrDescription;
  BSTR bstrHelpFile;
  DWORD dwHelpContext;
  void* pvReserved;
  HRESULT (*pfnDeferredFillIn)(EXCEPINFO*);
  SCODE scode;
};

// {00020400-0000-0000-C000-000000000046}
inline constexpr IID IID_IDispatch{
    0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {00020401-0000-0000-C000-000000000046}
inline constexpr IID IID_ITypeInfo{
    0x00020401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

struct ITypeInfo;

struct IDispatch : IUnknown {
 public:
  virtual HRESULT GetTypeInfoCount(UINT* count) = 0;
  virtual HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out) = 0;
  // names[0] is a member name; further names would be its parameters, which
  // are not looked up here (DISPID_UNKNOWN, DISP_E_UNKNOWNNAME).
  virtual HRESULT GetIDsOfNames(REFIID iid, OLECHAR** names, UINT count, LCID lcid,
                                DISPID* ids) = 0;
  virtual HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                         VARIANT* result, EXCEPINFO* exception, UINT* arg_error) = 0;

 protected:
  ~IDispatch() = default;
};

// An object that is called only through its own interface I (a stand-in
// for a back-end in tests): late binding answers E_NOTIMPL.
template <class I>
struct WithoutLateBinding : I {
  HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT GetIDsOfNames(REFIID, OLECHAR**, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
};

// The description of one interface: its members' names and their calls.
struct ITypeInfo : IUnknown {
 public:
  // names[0] the member's name, then its parameters' names.
  virtual HRESULT GetNames(MEMBERID id, BSTR* names, UINT max, UINT* count) = 0;
  virtual HRESULT GetIDsOfNames(OLECHAR** names, UINT count, MEMBERID* ids) = 0;
  // instance: the interface pointer the description belongs to.
  virtual HRESULT Invoke(void* instance, MEMBERID id, WORD flags, DISPPARAMS* params,
                         VARIANT* result, EXCEPINFO* exception, UINT* arg_error) = 0;
  // MEMBERID_NIL describes the interface itself.
  virtual HRESULT GetDocumentation(MEMBERID id, BSTR* name, BSTR* doc, DWORD* help_context,
                                   BSTR* help_file) = 0;

 protected:
  ~ITypeInfo() = default;
};

}  // namespace qn::com
