// The server of the two-process tests: exports an application server and a
// properties object, writes their OBJREFs (hexadecimal, one per line) to
// standard output and serves until it is killed or its input closes.
//
// With "--client OBJREF" it is instead a client that takes a remote
// procedure from that server, announces "ready" and then makes a call that
// lasts half a second, so a test can kill it mid-call.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "platform/com/rpc/runtime.h"
#include "tests/remote/test_objects.h"

using namespace qn::com;
using namespace qn::remote;
using namespace qn::remote::testing;

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--client") == 0) {
    auto bytes = objref_from_text(argv[2]);
    IDComApplicationServer* server = nullptr;
    if (FAILED(CoUnmarshalInterface(bytes.data(), bytes.size(), IID_IDComApplicationServer,
                                    reinterpret_cast<void**>(&server))))
      return 2;
    IQNDComRemoteProcedure* procedure = nullptr;
    BSTR name = bstr_from_1252("held");
    if (FAILED(server->GetRemoteProcedure(name, 1, &procedure)) || !procedure) return 3;
    std::cout << "ready" << std::endl;
    server->SendHandle(-4);
    return 0;
  }
  auto* server = new AppServer(0);
  auto* properties = new Properties;
  std::vector<std::uint8_t> a, b;
  if (FAILED(CoMarshalInterface(server, IID_IDComApplicationServer, &a)) ||
      FAILED(CoMarshalInterface(properties, IID_IDComProperties, &b))) {
    std::cerr << "cannot export the test objects\n";
    return 1;
  }
  std::cout << objref_to_text(a) << "\n" << objref_to_text(b) << std::endl;
  char c;
  while (::read(0, &c, 1) > 0) {
  }
  return 0;
}
