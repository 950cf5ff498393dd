// The facade over the real MAPI and Outlook back-ends and the scripted mail
// store: a message with two attachments sent in mode 'M' is read back in
// modes 'M' and 'O'.
#include <gtest/gtest.h>

#include "office/mail/automation_test_env.h"
#include "office/mail/mail_errors.h"
#include "office/mail/qn_mail.h"

namespace qn::office {
namespace {

using namespace com;
using namespace testing_support;

class FacadeRoundTrip : public MailServersEnv {
 protected:
  void SetUp() override {
    MailServersEnv::SetUp();
    ASSERT_EQ(CQnMail::create<CQnMail>(nullptr, IID_IQnMail, reinterpret_cast<void**>(&mail)),
              S_OK);
  }
  void TearDown() override {
    if (mail) mail->Release();
    expect_no_objects_left();
    MailServersEnv::TearDown();
  }
  void mode(const char* m) { mail->put_Mode(Text(m)); }

  IQnMail* mail = nullptr;
};

TEST_F(FacadeRoundTrip, SentInMapiModeReadInBoth) {
  write_file(in_ / "a.txt", "alpha");
  write_file(in_ / "b.bin", std::string("\0\x80\xFF", 3));
  mode("M");
  SHORT e = -1;
  mail->LoginMAPI(Text(""), 0, 0, &e);
  ASSERT_EQ(e, 0);
  mail->put_AttachDir(Text(in_.string()));
  // Delivery fails once: the message waits in the Outbox.
  mapi_server().inject({"session", 108, DISPATCH_METHOD, E_FAIL, 1});
  mail->Send(Text("user@quenora.test"), Text("Bob Jones"), Text(""), Text("Round trip"),
             Text("Two files."), Text("a.txt; b.bin"), &e);
  EXPECT_EQ(e, kMailSendFailed);
  ASSERT_EQ(mail_store().folder_at("Outbox")->messages.size(), 1u);
  EXPECT_TRUE(mail_store().folder_at("Inbox")->messages.empty());
  // The next send delivers both.
  mail->Send(Text("user@quenora.test"), Text("Bob Jones"), Text(""), Text("Round trip"),
             Text("Two files."), Text("a.txt; b.bin"), &e);
  ASSERT_EQ(e, 0);
  EXPECT_TRUE(mail_store().folder_at("Outbox")->messages.empty());
  EXPECT_EQ(mail_store().folder_at("Inbox")->messages.size(), 2u);

  for (const char* m : {"M", "O"}) {
    SCOPED_TRACE(m);
    mode(m);
    const fs::path saved = out_ / m;
    fs::create_directories(saved);
    mail->put_AttachDir(Text(saved.string()));
    LONG n = -1;
    mail->get_Count(&n);
    EXPECT_EQ(n, 2);
    const Received r = receive_from(mail);
    EXPECT_EQ(r.error, 0);
    EXPECT_EQ(r.subject, "Round trip");
    EXPECT_EQ(r.text, "Two files.");
    EXPECT_EQ(r.from, "Quenora User (user@quenora.test)");
    EXPECT_EQ(r.attachs, "a.txt; b.bin");
    EXPECT_GT(r.sent, 0);
    EXPECT_EQ(read_file(saved / "a.txt"), "alpha");
    EXPECT_EQ(read_file(saved / "b.bin"), std::string("\0\x80\xFF", 3));
    SHORT error = -1;
    mail->get_Error(&error);
    EXPECT_EQ(error, 0);
  }
  // Outlook marked what it read; the MAPI session still reads on.
  mode("M");
  EXPECT_EQ(receive_from(mail).error, 0);
  mail->Logout(&e);
  EXPECT_EQ(e, 0);
}

}  // namespace
}  // namespace qn::office
