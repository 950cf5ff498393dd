// kbtool build DESCRIPTION DIR   writes PEFILES and the database into DIR
// kbtool dump DIR                prints the knowledge base of DIR as a description
#include <iostream>
#include <string>
#include <vector>

#include "platform/isam/writer/kb_writer.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return qn::isam::run_kbtool(args, std::cout, std::cerr);
}
