// A registry file of a test's own: a temporary folder holding it, set as
// QN_REGISTRY_FILE while the object lives, with every scripted server
// registered in it and the calling thread initialised for the component
// layer. The folder also serves as a working folder for files the servers
// save.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/com/apartment.h"
#include "tests/office_servers/scripted_server.h"

namespace qn::office_servers {

class TestRegistry {
 public:
  TestRegistry() {
    static int serial = 0;
    dir_ = std::filesystem::temp_directory_path() /
           ("qn_servers_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
    std::filesystem::create_directories(dir_);
    ::setenv("QN_REGISTRY_FILE", (dir_ / "registry.ini").c_str(), 1);
    registered_ = register_servers();
    com::CoInitializeEx(nullptr, com::COINIT_APARTMENTTHREADED);
  }
  ~TestRegistry() {
    com::CoUninitialize();
    ::unsetenv("QN_REGISTRY_FILE");
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  TestRegistry(const TestRegistry&) = delete;
  TestRegistry& operator=(const TestRegistry&) = delete;

  const std::filesystem::path& dir() const { return dir_; }
  com::HRESULT registered() const { return registered_; }

 private:
  std::filesystem::path dir_;
  com::HRESULT registered_;
};

}  // namespace qn::office_servers
