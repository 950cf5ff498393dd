// ptytool build DESCRIPTION FILE   writes the archive of a description
// ptytool dump FILE                prints an archive as a description
// ptytool encipher TEXT            prints the saved form of an enciphered value
#include <iostream>
#include <string>
#include <vector>

#include "config/properties/writer/pty_writer.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return qn::config::ptywriter::run_ptytool(args, std::cout, std::cerr);
}
