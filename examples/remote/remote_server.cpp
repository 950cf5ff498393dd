// A small application server: it registers the proxy/stub module beside it
// in the registry file, exports its IDComApplicationServer, writes the
// reference (OBJREF as hexadecimal text, mode 0600) to server.ref in the
// runtime folder, beside its secret, and serves until SIGINT or SIGTERM;
// then it removes both files and exits. Its one remote procedure, "upper",
// turns the text it is given into capitals.
#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "platform/com/rpc/auth.h"
#include "platform/com/rpc/runtime.h"
#include "remote/interfaces.h"

using namespace qn::com;
using namespace qn::remote;

namespace {

class Upper final : public IQNDComRemoteProcedure {
 public:
  HRESULT QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IQNDComRemoteProcedure) return E_NOINTERFACE;
    *out = static_cast<IQNDComRemoteProcedure*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++refs_; }
  ULONG Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT Execute(VARIANT* parameters) override {
    if (parameters->vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
    std::string text = text_1252_of(parameters->bstrVal);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    VariantClear(parameters);
    parameters->vt = VT_BSTR;
    parameters->bstrVal = bstr_from_1252(text);
    return S_OK;
  }

 private:
  std::atomic<ULONG> refs_{1};
};

class Server final : public IDComApplicationServer {
 public:
  HRESULT QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDComApplicationServer) return E_NOINTERFACE;
    *out = static_cast<IDComApplicationServer*>(this);
    return S_OK;
  }
  ULONG AddRef() override { return 2; }  // lives as long as the program
  ULONG Release() override { return 1; }
  HRESULT GetRemoteProcedure(BSTR name, LONG, IQNDComRemoteProcedure** out) override {
    *out = nullptr;
    if (text_1252_of(name) != "upper") return E_INVALIDARG;
    *out = new Upper;
    return S_OK;
  }
  // Nothing else is offered here.
  HRESULT GetRemoteUpdateSupplier(BSTR, LONG, IQNDBDComUpdateSupplier**) override {
    return E_NOTIMPL;
  }
  HRESULT GetRemoteForwardSupplier(BSTR, LONG, IQNDBDComForwardSupplier**) override {
    return E_NOTIMPL;
  }
  HRESULT GetRemoteSupplier(BSTR, LONG, BYTE, IQNDBDComSupplier**) override { return E_NOTIMPL; }
  HRESULT GetRemoteBlockSupplier(LONG, BYTE, IQNDBDComBlockSupplier**) override {
    return E_NOTIMPL;
  }
  HRESULT SendHandleAndThreeTexts(LONG, BSTR, BSTR, BSTR) override { return E_NOTIMPL; }
  HRESULT SendHandle(LONG) override { return E_NOTIMPL; }
  HRESULT SendHandleAndText(LONG, BSTR) override { return E_NOTIMPL; }
  HRESULT SendHandleAndTextB(LONG, BSTR) override { return E_NOTIMPL; }
  HRESULT SendHandleAndTwoTexts(LONG, BSTR, BSTR) override { return E_NOTIMPL; }
  HRESULT QueryTextByHandle(LONG, BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT QueryLongByText(BSTR, BYTE, LONG*) override { return E_NOTIMPL; }
  HRESULT SendHandleB(LONG) override { return E_NOTIMPL; }
  HRESULT CallWithValues(LONG, BYTE, BSTR, VARIANT, VARIANT, VARIANT*) override {
    return E_NOTIMPL;
  }
  HRESULT PutServer(BSTR, IDComApplicationServer**) override { return E_NOTIMPL; }
  HRESULT GetServer(BSTR, IDComApplicationServer**) override { return E_NOTIMPL; }
  HRESULT SendHandleAndTextC(LONG, BSTR) override { return E_NOTIMPL; }
  HRESULT QueryHyperByHandle(LONG, BSTR, LONGLONG*) override { return E_NOTIMPL; }
  HRESULT SendHandleAndValue(LONG, VARIANT) override { return E_NOTIMPL; }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 1) {
    std::cerr << "usage: remote-server\n"
                 "Serves until SIGINT or SIGTERM; the reference is written to server.ref in\n"
                 "$QN_RPC_DIR, or in $XDG_RUNTIME_DIR/qn-rpc.\n";
    return argc == 2 && std::string(argv[1]) == "--help" ? 0 : 2;
  }
  std::string why;
  const auto folder = rpc_folder(&why);
  if (!folder) {
    std::cerr << "remote-server: " << why << "\n";
    return 1;
  }
  // The signals are taken by sigwait below; every thread started from here
  // on inherits the mask.
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop, nullptr);
  const auto module = std::filesystem::canonical("/proc/self/exe").parent_path() / "libqndcomj.so";
  void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  auto reg = handle ? reinterpret_cast<DllRegisterServerFn>(::dlsym(handle, "DllRegisterServer"))
                    : nullptr;
  if (!reg || FAILED(reg())) {
    std::cerr << "cannot register " << module << "\n";
    return 1;
  }
  static Server server;
  std::vector<std::uint8_t> objref;
  if (FAILED(CoMarshalInterface(&server, IID_IDComApplicationServer, &objref))) {
    std::cerr << "cannot export the server\n";
    return 1;
  }
  const std::string reference = *folder + "/server.ref";
  const std::string text = objref_to_text(objref) + "\n";
  if (!write_private_file(reference, text.data(), text.size())) {
    std::cerr << "cannot write " << reference << "\n";
    return 1;
  }
  std::cout << "Serving; the reference is in " << reference << std::endl;
  int signal = 0;
  sigwait(&stop, &signal);
  ::unlink(reference.c_str());
  return 0;  // the runtime ends its connections and removes its secret
}
