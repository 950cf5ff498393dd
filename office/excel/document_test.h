// The fixture of the document classes' tests: a registry file with the
// scripted servers, the test's folder as the current directory (the servers
// save real files there), and the message boxes caught.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "office/co_object.h"
#include "platform/message_box.h"
#include "tests/office_servers/scripted_server.h"
#include "tests/office_servers/test_registry.h"

namespace qn::office {

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(registry_.registered(), com::S_OK);
    old_dir_ = std::filesystem::current_path();
    std::filesystem::current_path(registry_.dir());
    old_box_ =
        platform::set_message_box_hook([this](std::string_view text, std::string_view, unsigned) {
          messages_.emplace_back(text);
          return platform::kIdOk;
        });
  }
  void TearDown() override {
    platform::set_message_box_hook(old_box_);
    std::filesystem::current_path(old_dir_);
  }

  // Makes an object of class C and hands out its interface I.
  template <class C, class I>
  com::Ref<I> make(const com::IID& iid) {
    com::Ref<I> object;
    EXPECT_EQ((C::template create<C>(nullptr, iid, reinterpret_cast<void**>(object.put()))),
              com::S_OK);
    return object;
  }

  static bool exists(const std::string& name) { return std::filesystem::exists(name); }

  office_servers::TestRegistry registry_;
  std::filesystem::path old_dir_;
  platform::MessageBoxHook old_box_;
  std::vector<std::string> messages_;
};

}  // namespace qn::office
