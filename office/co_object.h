// What the module's eight classes share: reference counting and
// aggregation, interfaces answered by QueryInterface, late binding through
// the type library, error information, and the result convention (a code
// kept for Error, shown in a box while DisplayMessages is on).
//
// An object is reached through its controlling unknown: its own inner
// unknown, or the outer object's when it is aggregated. The inner unknown
// answers QueryInterface and holds the plain reference count; the interface's
// own IUnknown slots forward to the controlling unknown.
#pragma once

#include <new>
#include <string>

#include "office/interfaces.h"
#include "office/module.h"
#include "office/shared.h"
#include "office/typelib.h"
#include "platform/com/dispatch_table.h"

namespace qn::office {

template <class I>
class CoObject : public I, public com::ISupportErrorInfo {
 public:
  // error_info: whether ISupportErrorInfo is answered.
  CoObject(com::IUnknown* outer, const com::IID& iid, bool error_info)
      : iid_(iid), error_info_(error_info), outer_(outer ? outer : &inner_) {
    inner_.self = this;
    module_lock();
  }
  virtual ~CoObject() { module_unlock(); }
  CoObject(const CoObject&) = delete;
  CoObject& operator=(const CoObject&) = delete;

  com::IUnknown* inner() { return &inner_; }

  // Makes an object of C and hands out iid; an object that lacks iid is
  // destroyed again. An outer object may ask only for IUnknown.
  template <class C>
  static com::HRESULT create(com::IUnknown* outer, const com::IID& iid, void** out) {
    if (!out) return com::E_POINTER;
    *out = nullptr;
    if (outer && !(iid == com::IID_IUnknown)) return com::CLASS_E_NOAGGREGATION;
    C* object = new (std::nothrow) C(outer);
    if (!object) return com::E_OUTOFMEMORY;
    com::IUnknown* unk = object->inner();
    unk->AddRef();
    com::HRESULT h = unk->QueryInterface(iid, out);
    unk->Release();
    return h;
  }

  // IUnknown, through the controlling unknown.
  com::HRESULT QueryInterface(const com::IID& iid, void** out) override {
    return outer_->QueryInterface(iid, out);
  }
  com::ULONG AddRef() override { return outer_->AddRef(); }
  com::ULONG Release() override { return outer_->Release(); }

  // IDispatch from the type library.
  com::HRESULT GetTypeInfoCount(com::UINT* count) override {
    if (!count) return com::E_POINTER;
    *count = 1;
    return com::S_OK;
  }
  com::HRESULT GetTypeInfo(com::UINT index, com::LCID, com::ITypeInfo** out) override {
    if (!out) return com::E_POINTER;
    *out = nullptr;
    if (index != 0) return com::DISP_E_BADINDEX;
    *out = type_info(iid_);
    (*out)->AddRef();
    return com::S_OK;
  }
  com::HRESULT GetIDsOfNames(const com::IID& riid, com::OLECHAR** names, com::UINT count, com::LCID,
                             com::DISPID* ids) override {
    if (!(riid == com::GUID_NULL)) return com::DISP_E_UNKNOWNINTERFACE;
    return com::ids_of_names(*interface_desc(iid_), names, count, ids);
  }
  com::HRESULT Invoke(com::DISPID id, const com::IID& riid, com::LCID, com::WORD flags,
                      com::DISPPARAMS* params, com::VARIANT* result, com::EXCEPINFO*,
                      com::UINT* arg_error) override {
    if (!(riid == com::GUID_NULL)) return com::DISP_E_UNKNOWNINTERFACE;
    return com::invoke_member(*interface_desc(iid_), static_cast<I*>(this), id, flags, params,
                              result, arg_error);
  }

  // ISupportErrorInfo: yes for the class's own interface only.
  com::HRESULT InterfaceSupportsErrorInfo(const com::IID& iid) override {
    return iid == iid_ ? com::S_OK : com::S_FALSE;
  }

 protected:
  // The result convention: the code is kept for Error and, while
  // DisplayMessages is on, a non-zero code is shown with its text.
  void set_error(short code, const std::string& text) {
    error_ = code;
    if (code != 0 && display_messages_ != 0) show_message(text);
  }
  com::HRESULT error_get(short* value) {
    if (value) *value = error_;
    return com::S_OK;
  }
  com::HRESULT display_messages_put(short on) {
    display_messages_ = on;
    return com::S_OK;
  }

  short error_ = 0;
  short display_messages_ = 0;  // off when an object is made

 private:
  struct Inner final : com::IUnknown {
    CoObject* self = nullptr;
    com::HRESULT QueryInterface(const com::IID& iid, void** out) override {
      return self->query(iid, out);
    }
    com::ULONG AddRef() override { return ++self->refs_; }
    com::ULONG Release() override {
      com::ULONG n = --self->refs_;
      if (n == 0) delete self;
      return n;
    }
  };

  com::HRESULT query(const com::IID& iid, void** out) {
    if (!out) return com::E_POINTER;
    *out = nullptr;
    if (iid == com::IID_IUnknown) {
      *out = static_cast<com::IUnknown*>(&inner_);
    } else if (iid == com::IID_IDispatch || iid == iid_) {
      *out = static_cast<I*>(this);
    } else if (error_info_ && iid == com::IID_ISupportErrorInfo) {
      *out = static_cast<com::ISupportErrorInfo*>(this);
    } else {
      return com::E_NOINTERFACE;
    }
    static_cast<com::IUnknown*>(*out)->AddRef();
    return com::S_OK;
  }

  const com::IID iid_;
  const bool error_info_;
  Inner inner_;
  com::IUnknown* outer_;
  com::ULONG refs_ = 0;  // plain: objects are used from one thread
};

}  // namespace qn::office
