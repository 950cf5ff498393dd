// Test set-up shared by the mail unit tests: a services file that lists
// the mail services, and a fixed host name.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/socket.h"

namespace qn::office::testing_support {

inline std::string services_file(const std::string& text) {
  static int serial = 0;
  const auto path =
      std::filesystem::path(::testing::TempDir()) /
      ("qn_mail_services_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
  std::ofstream(path) << text;
  return path.string();
}

// Lists smtp as 2525 and pop3 as 1110 (pop-3 as 1111), and names the host
// "client.test".
class MailEnv : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("QN_SERVICES_FILE",
             services_file("smtp 2525/tcp\npop3 1110/tcp\npop-3 1111/tcp\n").c_str(), 1);
    platform::set_host_name_for_tests([] { return std::string("client.test"); });
  }
  void TearDown() override {
    ::unsetenv("QN_SERVICES_FILE");
    platform::set_host_name_for_tests(nullptr);
  }
};

}  // namespace qn::office::testing_support
