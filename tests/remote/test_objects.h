// Server objects of the two-process tests, with deterministic answers that
// differ from method to method (so a call that lands in the wrong slot
// shows), and a count of the objects alive.
#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/com/rpc/ndr.h"
#include "platform/com/safearray.h"
#include "remote/interfaces.h"

namespace qn::remote::testing {

using namespace com;

inline std::atomic<long> g_alive{0};
inline std::atomic<long> g_calls{0};

// The byte length of a text, 1000 for a null one.
inline LONG bytes_of(BSTR s) { return s ? static_cast<LONG>(SysStringByteLen(s)) : 1000; }

inline VARIANT i4(LONG n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}

// Adds n to an I4, leaves anything else as it is.
inline HRESULT bump(VARIANT* v, LONG n) {
  if (v->vt == VT_I4) v->lVal += n;
  return S_OK;
}

template <class Itf>
class Object : public Itf {
 public:
  Object(const IID& iid) : iid_(iid) { ++g_alive; }
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != iid_) return E_NOINTERFACE;
    *out = static_cast<Itf*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++refs_; }
  ULONG Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~Object() { --g_alive; }

 private:
  IID iid_;
  std::atomic<ULONG> refs_{1};
};

class Procedure final : public Object<IQNDComRemoteProcedure> {
 public:
  Procedure() : Object(IID_IQNDComRemoteProcedure) {}
  HRESULT Execute(VARIANT*) override { return ++g_calls, S_OK; }  // an echo
};

class ForwardSupplier final : public Object<IQNDBDComForwardSupplier> {
 public:
  ForwardSupplier() : Object(IID_IQNDBDComForwardSupplier) {}
  HRESULT Exchange(VARIANT* v) override { return bump(v, 1); }
  HRESULT ReceiveData(VARIANT* v) override {
    v->vt = VT_BSTR;
    v->bstrVal = bstr_from_1252("received");
    return S_OK;
  }
  HRESULT Signal() override { return S_FALSE; }
};

class UpdateSupplier final : public Object<IQNDBDComUpdateSupplier> {
 public:
  UpdateSupplier() : Object(IID_IQNDBDComUpdateSupplier) {}
  HRESULT Submit(VARIANT v) override { return v.vt == VT_I4 ? S_OK : DISP_E_TYPEMISMATCH; }
};

class BlockSupplier final : public Object<IQNDBDComBlockSupplier> {
 public:
  BlockSupplier() : Object(IID_IQNDBDComBlockSupplier) {}
  HRESULT SubmitBlock(BSTR name, VARIANT a, VARIANT b, VARIANT* result) override {
    *result = i4(bytes_of(name) * 100 + a.lVal + b.lVal);
    return S_OK;
  }
};

class Supplier final : public Object<IQNDBDComSupplier> {
 public:
  Supplier() : Object(IID_IQNDBDComSupplier) {}
  HRESULT SubmitAndTest(VARIANT v, BYTE* flag) override {
    *flag = static_cast<BYTE>(v.lVal + 1);
    return S_OK;
  }
  HRESULT Submit(VARIANT) override { return S_OK; }
  HRESULT SubmitB(VARIANT) override { return S_FALSE; }
  HRESULT Exchange(VARIANT* v) override { return bump(v, 10); }
  HRESULT ExchangeB(VARIANT* v) override { return bump(v, 20); }
  HRESULT ExchangeC(VARIANT* v) override { return bump(v, 30); }
  HRESULT ExchangeD(VARIANT* v) override { return bump(v, 40); }
};

class Properties final : public Object<IDComProperties> {
 public:
  Properties() : Object(IID_IDComProperties) {}
  ~Properties() override {
    for (auto& [k, v] : values_) VariantClear(&v);
  }
  HRESULT PutValue(LONG key, VARIANT value) override {
    std::lock_guard lock(mutex_);
    VARIANT& slot = values_[key];
    VariantInit(&slot);
    return VariantCopy(&slot, &value);
  }
  HRESULT GetValue(LONG key, VARIANT* value) override {
    std::lock_guard lock(mutex_);
    auto it = values_.find(key);
    if (it == values_.end()) return S_FALSE;
    return VariantCopy(value, &it->second);
  }
  HRESULT LookupText(LONG key, BSTR text, BSTR* result) override {
    *result = bstr_from_1252(text_1252_of(text) + "#" + std::to_string(key));
    return S_OK;
  }

 private:
  std::mutex mutex_;
  std::map<LONG, VARIANT> values_;
};

// The application server. `base` tells the server's answers from those of a
// client's callback object of the same class.
class AppServer final : public Object<IDComApplicationServer> {
 public:
  explicit AppServer(LONG base) : Object(IID_IDComApplicationServer), base_(base) {}
  ~AppServer() override {
    if (kept_) kept_->Release();
  }
  HRESULT GetRemoteProcedure(BSTR name, LONG, IQNDComRemoteProcedure** out) override {
    *out = text_1252_of(name) == "none" ? nullptr : new Procedure;
    return S_OK;
  }
  HRESULT GetRemoteUpdateSupplier(BSTR, LONG, IQNDBDComUpdateSupplier** out) override {
    *out = new UpdateSupplier;
    return S_OK;
  }
  HRESULT GetRemoteForwardSupplier(BSTR, LONG, IQNDBDComForwardSupplier** out) override {
    *out = new ForwardSupplier;
    return S_OK;
  }
  HRESULT GetRemoteSupplier(BSTR, LONG, BYTE, IQNDBDComSupplier** out) override {
    *out = new Supplier;
    return S_OK;
  }
  HRESULT GetRemoteBlockSupplier(LONG, BYTE, IQNDBDComBlockSupplier** out) override {
    *out = new BlockSupplier;
    return S_OK;
  }
  HRESULT SendHandleAndThreeTexts(LONG h, BSTR a, BSTR b, BSTR c) override {
    return h + bytes_of(a) + bytes_of(b) * 10 + bytes_of(c) * 100;
  }
  // Special handles: -2 waits 10 s, -4 waits half a second, -3 throws.
  HRESULT SendHandle(LONG h) override {
    ++g_calls;
    if (h == -2) std::this_thread::sleep_for(std::chrono::seconds(10));
    if (h == -4) std::this_thread::sleep_for(std::chrono::milliseconds(500));
    if (h == -3) throw std::runtime_error("server method failed");
    return S_OK;
  }
  HRESULT SendHandleAndText(LONG h, BSTR t) override { return h + bytes_of(t); }
  HRESULT SendHandleAndTextB(LONG h, BSTR t) override { return 2000 + h + bytes_of(t); }
  HRESULT SendHandleAndTwoTexts(LONG h, BSTR a, BSTR b) override {
    return h + bytes_of(a) * 100 + bytes_of(b);
  }
  HRESULT QueryTextByHandle(LONG h, BSTR t, BSTR* result) override {
    if (h < 0) return E_INVALIDARG;
    *result = t ? bstr_from_bytes(t, SysStringByteLen(t)) : nullptr;
    return S_OK;
  }
  // "alive" and "calls" report the counters; anything else its length
  // times flag, plus base.
  HRESULT QueryLongByText(BSTR t, BYTE flag, LONG* result) override {
    const std::string text = text_1252_of(t);
    if (text == "alive") {
      *result = g_alive;
    } else if (text == "calls") {
      *result = ++g_calls;
    } else {
      *result = base_ + bytes_of(t) * flag;
    }
    return S_OK;
  }
  HRESULT SendHandleB(LONG) override { return S_FALSE; }
  HRESULT CallWithValues(LONG h, BYTE flag, BSTR t, VARIANT a, VARIANT b,
                         VARIANT* result) override {
    *result = i4(h + flag + bytes_of(t) + a.lVal * 10 + b.lVal * 100);
    return S_OK;
  }
  // Calls the object passed back at once, and keeps it for GetServer.
  HRESULT PutServer(BSTR t, IDComApplicationServer** server) override {
    if (!*server) return S_FALSE;
    LONG answer = 0;
    HRESULT h = (*server)->QueryLongByText(t, 3, &answer);
    if (FAILED(h)) return h;
    std::lock_guard lock(mutex_);
    if (kept_) kept_->Release();
    kept_ = *server;
    kept_->AddRef();
    return answer;
  }
  HRESULT GetServer(BSTR, IDComApplicationServer** server) override {
    std::lock_guard lock(mutex_);
    *server = kept_;
    if (kept_) kept_->AddRef();
    return S_OK;
  }
  HRESULT SendHandleAndTextC(LONG h, BSTR t) override { return 3000 + h + bytes_of(t); }
  HRESULT QueryHyperByHandle(LONG h, BSTR t, LONGLONG* result) override {
    *result = static_cast<LONGLONG>(h) * 0x100000000LL + bytes_of(t);
    return S_OK;
  }
  HRESULT SendHandleAndValue(LONG h, VARIANT v) override { return h + v.vt; }

 private:
  LONG base_;
  std::mutex mutex_;
  IDComApplicationServer* kept_ = nullptr;
};

}  // namespace qn::remote::testing
