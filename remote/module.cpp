#include "remote/module.h"

#include <atomic>

#include "platform/registry_file.h"
#include "remote/tables.h"

namespace qn::remote {
namespace {

using namespace com;

std::atomic<long> g_live{0};  // proxies and stubs

// ---------------------------------------------------------------- proxies

template <class Itf, int Index>
class Proxy : public Itf {
 public:
  explicit Proxy(IRpcChannel* channel) : channel_(channel) {
    channel_->AddRef();
    ++g_live;
  }
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IRpcChannel) {
      *out = channel_;
      channel_->AddRef();
      return S_OK;
    }
    if (iid != IID_IUnknown && iid != *kInterfaces[Index].iid) return E_NOINTERFACE;
    *out = static_cast<Itf*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++count_; }
  ULONG Release() override {
    const ULONG left = --count_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~Proxy() {
    channel_->Release();  // the last one gives the remote reference back
    --g_live;
  }
  template <class... Args>
  HRESULT call(std::uint16_t slot, Args... args) {
    void* const pointers[] = {const_cast<void*>(static_cast<const void*>(args))..., nullptr};
    return ndr_proxy_call(channel_, slot, signature_of(Index, slot), pointers);
  }

 private:
  IRpcChannel* channel_;
  std::atomic<ULONG> count_{1};
};

class RemoteProcedureProxy final : public Proxy<IQNDComRemoteProcedure, 0> {
 public:
  using Proxy::Proxy;
  HRESULT Execute(VARIANT* parameters) override { return call(3, parameters); }
};

class ForwardSupplierProxy final : public Proxy<IQNDBDComForwardSupplier, 1> {
 public:
  using Proxy::Proxy;
  HRESULT Exchange(VARIANT* data) override { return call(3, data); }
  HRESULT ReceiveData(VARIANT* data) override { return call(4, data); }
  HRESULT Signal() override { return call(5); }
};

class UpdateSupplierProxy final : public Proxy<IQNDBDComUpdateSupplier, 2> {
 public:
  using Proxy::Proxy;
  HRESULT Submit(VARIANT data) override { return call(3, &data); }
};

class BlockSupplierProxy final : public Proxy<IQNDBDComBlockSupplier, 3> {
 public:
  using Proxy::Proxy;
  HRESULT SubmitBlock(BSTR name, VARIANT first, VARIANT second, VARIANT* result) override {
    return call(3, &name, &first, &second, result);
  }
};

class SupplierProxy final : public Proxy<IQNDBDComSupplier, 4> {
 public:
  using Proxy::Proxy;
  HRESULT SubmitAndTest(VARIANT data, BYTE* flag) override { return call(3, &data, flag); }
  HRESULT Submit(VARIANT data) override { return call(4, &data); }
  HRESULT SubmitB(VARIANT data) override { return call(5, &data); }
  HRESULT Exchange(VARIANT* data) override { return call(6, data); }
  HRESULT ExchangeB(VARIANT* data) override { return call(7, data); }
  HRESULT ExchangeC(VARIANT* data) override { return call(8, data); }
  HRESULT ExchangeD(VARIANT* data) override { return call(9, data); }
};

class ApplicationServerProxy final : public Proxy<IDComApplicationServer, 5> {
 public:
  using Proxy::Proxy;
  HRESULT GetRemoteProcedure(BSTR name, LONG handle, IQNDComRemoteProcedure** out) override {
    return call(3, &name, &handle, out);
  }
  HRESULT GetRemoteUpdateSupplier(BSTR name, LONG handle, IQNDBDComUpdateSupplier** out) override {
    return call(4, &name, &handle, out);
  }
  HRESULT GetRemoteForwardSupplier(BSTR name, LONG handle,
                                   IQNDBDComForwardSupplier** out) override {
    return call(5, &name, &handle, out);
  }
  HRESULT GetRemoteSupplier(BSTR name, LONG handle, BYTE flag, IQNDBDComSupplier** out) override {
    return call(6, &name, &handle, &flag, out);
  }
  HRESULT GetRemoteBlockSupplier(LONG handle, BYTE flag, IQNDBDComBlockSupplier** out) override {
    return call(7, &handle, &flag, out);
  }
  HRESULT SendHandleAndThreeTexts(LONG handle, BSTR a, BSTR b, BSTR c) override {
    return call(8, &handle, &a, &b, &c);
  }
  HRESULT SendHandle(LONG handle) override { return call(9, &handle); }
  HRESULT SendHandleAndText(LONG handle, BSTR text) override { return call(10, &handle, &text); }
  HRESULT SendHandleAndTextB(LONG handle, BSTR text) override { return call(11, &handle, &text); }
  HRESULT SendHandleAndTwoTexts(LONG handle, BSTR a, BSTR b) override {
    return call(12, &handle, &a, &b);
  }
  HRESULT QueryTextByHandle(LONG handle, BSTR text, BSTR* result) override {
    return call(13, &handle, &text, result);
  }
  HRESULT QueryLongByText(BSTR text, BYTE flag, LONG* result) override {
    return call(14, &text, &flag, result);
  }
  HRESULT SendHandleB(LONG handle) override { return call(15, &handle); }
  HRESULT CallWithValues(LONG handle, BYTE flag, BSTR text, VARIANT first, VARIANT second,
                         VARIANT* result) override {
    return call(16, &handle, &flag, &text, &first, &second, result);
  }
  HRESULT PutServer(BSTR text, IDComApplicationServer** server) override {
    return call(17, &text, server);
  }
  HRESULT GetServer(BSTR text, IDComApplicationServer** server) override {
    return call(18, &text, server);
  }
  HRESULT SendHandleAndTextC(LONG handle, BSTR text) override { return call(19, &handle, &text); }
  HRESULT QueryHyperByHandle(LONG handle, BSTR text, LONGLONG* result) override {
    return call(20, &handle, &text, result);
  }
  HRESULT SendHandleAndValue(LONG handle, VARIANT value) override {
    return call(21, &handle, &value);
  }
};

class PropertiesProxy final : public Proxy<IDComProperties, 6> {
 public:
  using Proxy::Proxy;
  HRESULT PutValue(LONG key, VARIANT value) override { return call(3, &key, &value); }
  HRESULT GetValue(LONG key, VARIANT* value) override { return call(4, &key, value); }
  HRESULT LookupText(LONG key, BSTR text, BSTR* result) override {
    return call(5, &key, &text, result);
  }
};

// ---------------------------------------------------------------- stubs

class Stub final : public IRpcStub {
 public:
  Stub(const InterfaceEntry& entry, IUnknown* server) : entry_(entry), server_(server) { ++g_live; }
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown) return E_NOINTERFACE;
    *out = static_cast<IUnknown*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++count_; }
  ULONG Release() override {
    const ULONG left = --count_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT Invoke(std::uint16_t opnum, const std::uint8_t* data, std::size_t size, bool big_endian,
                 InterfaceMarshaller& marshaller, std::vector<std::uint8_t>* reply) override {
    if (opnum < 3 || opnum >= entry_.num_methods()) return RPC_S_PROCNUM_OUT_OF_RANGE;
    const MethodEntry& m = entry_.methods[opnum - 3];
    return ndr_stub_call(server_, *m.sig, m.call, data, size, big_endian, marshaller, reply);
  }

 private:
  ~Stub() {
    server_->Release();
    --g_live;
  }
  const InterfaceEntry& entry_;
  IUnknown* server_;  // the server's interface pointer of entry_.iid
  std::atomic<ULONG> count_{1};
};

// ---------------------------------------------------------------- factory

class PSFactory final : public IPSFactoryBuffer {
 public:
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IPSFactoryBuffer) return E_NOINTERFACE;
    *out = static_cast<IPSFactoryBuffer*>(this);
    return S_OK;
  }
  // The factory lives as long as the module.
  ULONG AddRef() override { return 2; }
  ULONG Release() override { return 1; }

  HRESULT CreateProxy(IRpcChannel* channel, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!channel) return E_INVALIDARG;
    switch (find_interface(iid)) {
      case 0:
        *out = static_cast<IUnknown*>(new RemoteProcedureProxy(channel));
        break;
      case 1:
        *out = static_cast<IUnknown*>(new ForwardSupplierProxy(channel));
        break;
      case 2:
        *out = static_cast<IUnknown*>(new UpdateSupplierProxy(channel));
        break;
      case 3:
        *out = static_cast<IUnknown*>(new BlockSupplierProxy(channel));
        break;
      case 4:
        *out = static_cast<IUnknown*>(new SupplierProxy(channel));
        break;
      case 5:
        *out = static_cast<IUnknown*>(new ApplicationServerProxy(channel));
        break;
      case 6:
        *out = static_cast<IUnknown*>(new PropertiesProxy(channel));
        break;
      default:
        return E_NOINTERFACE;
    }
    return S_OK;
  }

  HRESULT CreateStub(REFIID iid, IUnknown* server, IRpcStub** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    const int index = find_interface(iid);
    if (index < 0) return E_NOINTERFACE;
    if (!server) return E_INVALIDARG;
    IUnknown* typed = nullptr;
    if (FAILED(server->QueryInterface(iid, reinterpret_cast<void**>(&typed))) || !typed)
      return E_NOINTERFACE;
    *out = new Stub(kInterfaces[index], typed);
    return S_OK;
  }
};

PSFactory g_factory;

}  // namespace

HRESULT get_class_object(const CLSID& clsid, const IID& iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (clsid != CLSID_QndcomjPSFactory) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, out);
}

HRESULT can_unload_now() { return g_live == 0 ? S_OK : S_FALSE; }

HRESULT register_module(const std::string& module_path) {
  const std::string file = platform::registry_file_path();
  auto tree = platform::RegistryTree::load(file);
  const std::string clsid = guid_to_string(CLSID_QndcomjPSFactory);
  for (const InterfaceEntry& e : kInterfaces) {
    const std::string key = "Interface\\" + guid_to_string(*e.iid);
    tree.set_value(key, "", e.name);
    tree.set_value(key + "\\NumMethods", "", std::to_string(e.num_methods()));
    tree.set_value(key + "\\ProxyStubClsid32", "", clsid);
  }
  tree.set_value("CLSID\\" + clsid, "", "PSFactoryBuffer");
  tree.set_value("CLSID\\" + clsid + "\\InprocServer32", "", module_path);
  tree.set_value("CLSID\\" + clsid + "\\InprocServer32", "ThreadingModel", "Both");
  return tree.save(file, nullptr) ? S_OK : SELFREG_E_CLASS;
}

HRESULT unregister_module() {
  const std::string file = platform::registry_file_path();
  auto tree = platform::RegistryTree::load(file);
  for (const InterfaceEntry& e : kInterfaces)
    tree.remove_key("Interface\\" + guid_to_string(*e.iid));
  tree.remove_key("CLSID\\" + guid_to_string(CLSID_QndcomjPSFactory));
  return tree.save(file, nullptr) ? S_OK : SELFREG_E_CLASS;
}

}  // namespace qn::remote
