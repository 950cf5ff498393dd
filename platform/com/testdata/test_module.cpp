// A small in-process module for the activation tests: one class, "Counter",
// whose objects count their references. Built as a shared library of the
// tests only.
#include <atomic>

#include "platform/com/unknown.h"

using namespace qn::com;

namespace {

// {0D1F4C2A-6B3E-4E55-9A71-2C8B5E0F1A01}
constexpr CLSID kClsid{
    0x0D1F4C2A, 0x6B3E, 0x4E55, {0x9A, 0x71, 0x2C, 0x8B, 0x5E, 0x0F, 0x1A, 0x01}};

std::atomic<int> g_live{0};

class Counter final : public IUnknown {
 public:
  Counter() { ++g_live; }
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown) {
      *out = static_cast<IUnknown*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG AddRef() override { return ++refs_; }
  ULONG Release() override {
    ULONG n = --refs_;
    if (n == 0) {
      --g_live;
      delete this;
    }
    return n;
  }

 private:
  ULONG refs_ = 0;
};

class Factory final : public IClassFactory {
 public:
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG AddRef() override { return 2; }
  ULONG Release() override { return 1; }
  HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* c = new Counter;
    c->AddRef();
    HRESULT h = c->QueryInterface(iid, out);
    c->Release();
    return h;
  }
  HRESULT LockServer(int) override { return S_OK; }
};

Factory g_factory;

}  // namespace

extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(REFCLSID clsid,
                                                                            REFIID iid,
                                                                            void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!(clsid == kClsid)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, out);
}

extern "C" __attribute__((visibility("default"))) int qn_test_live_objects() { return g_live; }
