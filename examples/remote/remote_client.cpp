// A client of remote-server: reads the server's reference from server.ref
// in the runtime folder ($QN_RPC_DIR, or $XDG_RUNTIME_DIR/qn-rpc), asks for
// the remote procedure "upper" and runs it on a text. A server that is
// still starting is waited for, ten seconds at most.
#include <chrono>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

#include "platform/com/rpc/auth.h"
#include "platform/com/rpc/ndr.h"
#include "platform/com/rpc/runtime.h"
#include "remote/interfaces.h"

using namespace qn::com;
using namespace qn::remote;

namespace {

// The server's procedure, or nothing once the time is up.
IQNDComRemoteProcedure* procedure_of(const std::string& reference, HRESULT* h) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  for (;;) {
    std::string text;
    std::getline(std::ifstream(reference), text);
    const std::vector<std::uint8_t> objref = objref_from_text(text);
    IDComApplicationServer* server = nullptr;
    *h = CoUnmarshalInterface(objref.data(), objref.size(), IID_IDComApplicationServer,
                              reinterpret_cast<void**>(&server));
    IQNDComRemoteProcedure* procedure = nullptr;
    if (SUCCEEDED(*h)) {
      BSTR name = bstr_from_1252("upper");
      *h = server->GetRemoteProcedure(name, 1, &procedure);
      SysFreeString(name);
      server->Release();
      if (SUCCEEDED(*h)) return procedure;
    }
    // No reference yet, or one left by a server that is gone: wait for
    // the new one.
    const bool absent =
        *h == E_INVALIDARG || *h == RPC_S_SERVER_UNAVAILABLE || *h == E_ACCESSDENIED;
    if (!absent || std::chrono::steady_clock::now() >= until) return nullptr;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 || (argc == 2 && std::string(argv[1]) == "--help")) {
    std::cerr << "usage: remote-client [TEXT]\n";
    return argc == 2 ? 0 : 2;
  }
  std::string why;
  const auto folder = rpc_folder(&why);
  if (!folder) {
    std::cerr << "remote-client: " << why << "\n";
    return 1;
  }
  const std::string reference = *folder + "/server.ref";
  HRESULT h = S_OK;
  IQNDComRemoteProcedure* procedure = procedure_of(reference, &h);
  if (!procedure) {
    if (h == E_INVALIDARG || h == RPC_S_SERVER_UNAVAILABLE || h == E_ACCESSDENIED) {
      std::cerr << "no server at " << reference << "\n";
    } else {
      std::cerr << "GetRemoteProcedure failed: " << std::hex << h << "\n";
    }
    return 1;
  }
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = bstr_from_1252(argc > 1 ? argv[1] : "hello from the client");
  h = procedure->Execute(&v);
  if (FAILED(h)) {
    std::cerr << "Execute failed: " << std::hex << h << "\n";
    return 1;
  }
  std::cout << "Execute answered: " << text_1252_of(v.bstrVal) << std::endl;
  VariantClear(&v);
  procedure->Release();
  return 0;
}
