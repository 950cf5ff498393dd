// The seven remote data-access interfaces of generated three-tier
// applications. Slots 0 to 2 are IUnknown's; the members follow in slot
// order. Every [out] and [in,out] parameter is a reference pointer (never
// null).
#pragma once

#include "platform/com/unknown.h"
#include "platform/com/variant.h"

namespace qn::remote {

using com::BSTR;
using com::BYTE;
using com::HRESULT;
using com::IID;
using com::IUnknown;
using com::LONG;
using com::LONGLONG;
using com::VARIANT;

// The IIDs differ only in their first group.
constexpr IID remote_id(com::DWORD first) {
  return IID{first, 0xBAC8, 0x11D2, {0x9C, 0xDB, 0x00, 0x80, 0xAD, 0x40, 0x88, 0x25}};
}

inline constexpr IID IID_IQNDComRemoteProcedure = remote_id(0x5D873B54);
inline constexpr IID IID_IQNDBDComForwardSupplier = remote_id(0x5D873B56);
inline constexpr IID IID_IQNDBDComUpdateSupplier = remote_id(0x5D873B58);
inline constexpr IID IID_IQNDBDComBlockSupplier = remote_id(0x5D873B5A);
inline constexpr IID IID_IQNDBDComSupplier = remote_id(0x5D873B5C);
inline constexpr IID IID_IDComApplicationServer = remote_id(0x5D873B5E);
inline constexpr IID IID_IDComProperties = remote_id(0x5D873B6E);

// The proxy/stub class of all seven: its CLSID is the first IID.
inline constexpr com::CLSID CLSID_QndcomjPSFactory = IID_IQNDComRemoteProcedure;

struct IQNDComRemoteProcedure : IUnknown {
  virtual HRESULT Execute(VARIANT* parameters) = 0;

 protected:
  ~IQNDComRemoteProcedure() = default;
};

struct IQNDBDComForwardSupplier : IUnknown {
  virtual HRESULT Exchange(VARIANT* data) = 0;
  virtual HRESULT ReceiveData(VARIANT* data) = 0;
  virtual HRESULT Signal() = 0;

 protected:
  ~IQNDBDComForwardSupplier() = default;
};

struct IQNDBDComUpdateSupplier : IUnknown {
  virtual HRESULT Submit(VARIANT data) = 0;

 protected:
  ~IQNDBDComUpdateSupplier() = default;
};

struct IQNDBDComBlockSupplier : IUnknown {
  virtual HRESULT SubmitBlock(BSTR name, VARIANT first, VARIANT second, VARIANT* result) = 0;

 protected:
  ~IQNDBDComBlockSupplier() = default;
};

struct IQNDBDComSupplier : IUnknown {
  virtual HRESULT SubmitAndTest(VARIANT data, BYTE* flag) = 0;
  virtual HRESULT Submit(VARIANT data) = 0;
  virtual HRESULT SubmitB(VARIANT data) = 0;
  virtual HRESULT Exchange(VARIANT* data) = 0;
  virtual HRESULT ExchangeB(VARIANT* data) = 0;
  virtual HRESULT ExchangeC(VARIANT* data) = 0;
  virtual HRESULT ExchangeD(VARIANT* data) = 0;

 protected:
  ~IQNDBDComSupplier() = default;
};

struct IDComApplicationServer : IUnknown {
  virtual HRESULT GetRemoteProcedure(BSTR name, LONG remoteHandle,
                                     IQNDComRemoteProcedure** procedure) = 0;
  virtual HRESULT GetRemoteUpdateSupplier(BSTR name, LONG remoteHandle,
                                          IQNDBDComUpdateSupplier** supplier) = 0;
  virtual HRESULT GetRemoteForwardSupplier(BSTR name, LONG remoteHandle,
                                           IQNDBDComForwardSupplier** supplier) = 0;
  virtual HRESULT GetRemoteSupplier(BSTR name, LONG remoteHandle, BYTE flag,
                                    IQNDBDComSupplier** supplier) = 0;
  virtual HRESULT GetRemoteBlockSupplier(LONG remoteHandle, BYTE flag,
                                         IQNDBDComBlockSupplier** supplier) = 0;
  virtual HRESULT SendHandleAndThreeTexts(LONG remoteHandle, BSTR first, BSTR second,
                                          BSTR third) = 0;
  virtual HRESULT SendHandle(LONG remoteHandle) = 0;
  virtual HRESULT SendHandleAndText(LONG remoteHandle, BSTR text) = 0;
  virtual HRESULT SendHandleAndTextB(LONG remoteHandle, BSTR text) = 0;
  virtual HRESULT SendHandleAndTwoTexts(LONG remoteHandle, BSTR first, BSTR second) = 0;
  virtual HRESULT QueryTextByHandle(LONG remoteHandle, BSTR text, BSTR* result) = 0;
  virtual HRESULT QueryLongByText(BSTR text, BYTE flag, LONG* result) = 0;
  virtual HRESULT SendHandleB(LONG remoteHandle) = 0;
  virtual HRESULT CallWithValues(LONG remoteHandle, BYTE flag, BSTR text, VARIANT first,
                                 VARIANT second, VARIANT* result) = 0;
  // server: a reference pointer to the interface pointer that travels.
  virtual HRESULT PutServer(BSTR text, IDComApplicationServer** server) = 0;
  virtual HRESULT GetServer(BSTR text, IDComApplicationServer** server) = 0;
  virtual HRESULT SendHandleAndTextC(LONG remoteHandle, BSTR text) = 0;
  virtual HRESULT QueryHyperByHandle(LONG remoteHandle, BSTR text, LONGLONG* result) = 0;
  virtual HRESULT SendHandleAndValue(LONG remoteHandle, VARIANT value) = 0;

 protected:
  ~IDComApplicationServer() = default;
};

struct IDComProperties : IUnknown {
  virtual HRESULT PutValue(LONG key, VARIANT value) = 0;
  virtual HRESULT GetValue(LONG key, VARIANT* value) = 0;
  virtual HRESULT LookupText(LONG key, BSTR text, BSTR* result) = 0;

 protected:
  ~IDComProperties() = default;
};

}  // namespace qn::remote
