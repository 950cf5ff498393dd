// office-servers-register FILE: registers the scripted automation servers in
// the registry file FILE (created as needed), for test programs that cannot
// call into the servers' module themselves.
#include <stdlib.h>

#include <cstdio>

#include "tests/office_servers/scripted_server.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: office-servers-register FILE\n");
    return 2;
  }
  ::setenv("QN_REGISTRY_FILE", argv[1], 1);
  if (qn::office_servers::register_servers() != qn::com::S_OK) {
    std::fprintf(stderr, "office-servers-register: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
