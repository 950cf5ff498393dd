// A client of remote-server: reads the server's reference from the file
// named on the command line, asks for the remote procedure "upper" and
// runs it on a text.
#include <fstream>
#include <iostream>
#include <string>

#include "platform/com/rpc/runtime.h"
#include "remote/interfaces.h"

using namespace qn::com;
using namespace qn::remote;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: remote-client REFERENCE_FILE [TEXT]\n";
    return 2;
  }
  std::string text;
  std::getline(std::ifstream(argv[1]), text);
  const std::vector<std::uint8_t> objref = objref_from_text(text);
  IDComApplicationServer* server = nullptr;
  HRESULT h = CoUnmarshalInterface(objref.data(), objref.size(), IID_IDComApplicationServer,
                                   reinterpret_cast<void**>(&server));
  if (FAILED(h)) {
    std::cerr << "no server in " << argv[1] << " (" << std::hex << h << ")\n";
    return 1;
  }
  BSTR name = bstr_from_1252("upper");
  IQNDComRemoteProcedure* procedure = nullptr;
  h = server->GetRemoteProcedure(name, 1, &procedure);
  SysFreeString(name);
  if (FAILED(h)) {
    std::cerr << "GetRemoteProcedure failed: " << std::hex << h << "\n";
    return 1;
  }
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = bstr_from_1252(argc > 2 ? argv[2] : "hello from the client");
  h = procedure->Execute(&v);
  if (FAILED(h)) {
    std::cerr << "Execute failed: " << std::hex << h << "\n";
    return 1;
  }
  std::cout << "Execute answered: " << text_1252_of(v.bstrVal) << std::endl;
  VariantClear(&v);
  procedure->Release();
  server->Release();
  return 0;
}
