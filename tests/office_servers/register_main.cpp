// qn_office_servers_register FILE: registers every scripted server of the
// module in the registry file FILE, for programs run by the tests (a Java
// program reaching the servers through the office module).
#include <stdlib.h>

#include <cstdio>

#include "tests/office_servers/scripted_server.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qn_office_servers_register FILE\n");
    return 2;
  }
  ::setenv("QN_REGISTRY_FILE", argv[1], 1);
  return qn::office_servers::register_servers() == qn::com::S_OK ? 0 : 1;
}
