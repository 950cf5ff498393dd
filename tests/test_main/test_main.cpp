// The main of every GoogleTest program: the program gets its own scratch
// folder under the build tree, named by its process id, as TMPDIR and
// TEST_TMPDIR for itself and the processes it starts, and removes it when
// the tests end. Nothing a test writes to its temporary folder lands in /tmp.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(QN_TEST_SCRATCH) / ("p" + std::to_string(::getpid()));
  std::error_code ec;
  fs::remove_all(dir, ec);
  fs::create_directories(dir, ec);
  if (ec) {
    std::cerr << "cannot make the scratch folder " << dir.string() << ": " << ec.message() << "\n";
    return 1;
  }
  ::setenv("TMPDIR", dir.c_str(), 1);
  ::setenv("TEST_TMPDIR", dir.c_str(), 1);
  ::testing::InitGoogleMock(&argc, argv);
  const int result = RUN_ALL_TESTS();
  fs::remove_all(dir, ec);
  return result;
}
