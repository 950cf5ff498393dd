// Test set-up of the automation mail back-ends: a registry file of the
// test's own with the scripted mail servers, a fresh mail store, the message
// boxes captured, and folders to send attachments from and save them into.
// At the end no object of either server may be alive.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/com/variant.h"
#include "platform/message_box.h"
#include "tests/office_servers/mail_servers.h"
#include "tests/office_servers/test_registry.h"

namespace qn::office::testing_support {

namespace fs = std::filesystem;
using namespace qn::office_servers;

// A BSTR argument that frees itself.
class Text {
 public:
  Text(std::string_view text) : b_(com::bstr_from_1252(text)) {}  // NOLINT: converts on purpose
  ~Text() { com::SysFreeString(b_); }
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  operator com::BSTR() const { return b_; }  // NOLINT

 private:
  com::BSTR b_;
};

// What Receive handed out.
struct Received {
  com::SHORT error = -1;
  std::string from, to, cc, subject, text, attachs;
  double sent = -1, received = -1;
};

// Receive of any back-end interface.
template <class I>
Received receive_from(I* backend) {
  Received r;
  com::BSTR out[6] = {};
  backend->Receive(&out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &r.sent, &r.received,
                   &r.error);
  std::string* texts[6] = {&r.from, &r.to, &r.cc, &r.subject, &r.text, &r.attachs};
  for (int i = 0; i < 6; ++i) {
    *texts[i] = com::text_1252_of(out[i]);
    com::SysFreeString(out[i]);
  }
  return r;
}

// A message of the tests: its body "Body of " and the subject, sent half a
// day before it was received.
inline MailMessage test_message(std::string subject, double received, bool unread = true) {
  MailMessage m;
  m.subject = std::move(subject);
  m.body = "Body of " + m.subject;
  m.sent = received - 0.5;
  m.received = received;
  m.unread = unread;
  return m;
}

inline std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void write_file(const fs::path& p, std::string_view bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

class MailServersEnv : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(registry_.registered(), com::S_OK);
    reset_mail_store();
    home_ = fs::current_path();
    in_ = registry_.dir() / "in";
    out_ = registry_.dir() / "out";
    fs::create_directories(in_);
    fs::create_directories(out_);
    old_box_ = platform::set_message_box_hook([this](std::string_view text, std::string_view,
                                                     unsigned) {
      boxes_.emplace_back(text);
      return platform::kIdOk;
    });
  }
  void TearDown() override {
    platform::set_message_box_hook(old_box_);
    EXPECT_EQ(fs::current_path(), home_);
    fs::current_path(home_);
  }
  // Called by a test's TearDown once its back-end is released.
  static void expect_no_objects_left() {
    EXPECT_EQ(mapi_server().live_objects(), 0);
    EXPECT_EQ(outlook_server().live_objects(), 0);
  }


 public:
  // A message in a folder of the first store ("Inbox", "Sent Items\Archived").
  MailMessage& put_message(const std::string& folder, MailMessage m) {
    MailFolder* f = mail_store().folder_at(folder);
    EXPECT_NE(f, nullptr) << folder;
    return f->add_message(std::move(m));
  }

 protected:
  TestRegistry registry_;
  fs::path home_, in_, out_;
  std::vector<std::string> boxes_;
  platform::MessageBoxHook old_box_;
};

}  // namespace qn::office::testing_support
