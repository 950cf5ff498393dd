// The Internet back-end through the mail facade in mode 'I', with the
// scripted peer as its servers and the message box hook recording boxes.
#include "office/mail/internet_mail.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "office/mail/mail_test_env.h"
#include "office/mail/qn_mail.h"
#include "office/mail/scripted_peer.h"
#include "platform/message_box.h"

namespace qn::office {
namespace {

using namespace com;

std::string t(BSTR b) { return text_1252_of(b); }

// A BSTR argument that frees itself.
struct Text {
  explicit Text(const std::string& s) : b(bstr_from_1252(s)) {}
  ~Text() { SysFreeString(b); }
  operator BSTR() const { return b; }
  BSTR b;
};

class Internet : public testing_support::MailEnv {
 protected:
  void SetUp() override {
    MailEnv::SetUp();
    set_internet_connector(peer.connector());
    platform::set_message_box_hook([this](std::string_view text, std::string_view, unsigned) {
      boxes.emplace_back(text);
      return platform::kIdOk;
    });
  }
  void TearDown() override {
    set_internet_connector(nullptr);
    set_internet_parser(nullptr);
    platform::set_message_box_hook(nullptr);
    MailEnv::TearDown();
  }
  // A facade in mode 'I'.
  IQnMail* facade() {
    IQnMail* mail = nullptr;
    EXPECT_EQ(CQnMail::create<CQnMail>(nullptr, IID_IQnMail, reinterpret_cast<void**>(&mail)),
              S_OK);
    mail->put_Mode(Text("I"));
    return mail;
  }
  SHORT error(IQnMail* mail) {
    SHORT e = -1;
    mail->get_Error(&e);
    return e;
  }
  void pop3_login(IQnMail* mail, SHORT new_messages = 0) {
    peer.add(reply("+OK\r\n"));
    peer.add(reply("+OK\r\n"));
    peer.add(reply("+OK\r\n"));
    if (new_messages) peer.add(reply("-ERR no LAST\r\n"));
    SHORT e = -1;
    mail->LoginPOP3(Text("mx"), Text("ann"), Text("pw"), new_messages, 0, 5, &e);
    ASSERT_EQ(e, 0);
  }
  ScriptedPeer peer;
  std::vector<std::string> boxes;
};

TEST_F(Internet, DisplayMessagesAndAddressFormatRefuseOtherValues) {
  IQnMail* mail = facade();
  SHORT e = -1;
  mail->Logout(&e);
  EXPECT_EQ(e, 2);
  mail->put_DisplayMessages(2);
  EXPECT_EQ(error(mail), 2);  // the object's error stays
  EXPECT_EQ(internet_error_code(), 17);
  EXPECT_EQ(internet_error_text(), "Invalid value: 2");
  EXPECT_TRUE(boxes.empty());

  mail->put_DisplayMessages(1);
  mail->put_AddressFormat(3);
  EXPECT_EQ(error(mail), 17);
  EXPECT_EQ(boxes, std::vector<std::string>{"Invalid value: 3"});
  mail->put_AddressFormat(0);
  EXPECT_EQ(error(mail), 0);
  mail->Send(Text("x@t"), Text(""), Text(""), Text(""), Text(""), Text(""), &e);
  EXPECT_EQ(boxes, (std::vector<std::string>{"Invalid value: 3", "Not logged in"}));
  mail->Release();
}

TEST_F(Internet, TwoObjectsShareTheSessions) {
  peer.add(reply("220 hi\r\n"));
  peer.add(reply("250 ok\r\n"));
  IQnMail* first = facade();
  IQnMail* second = facade();
  SHORT e = -1;
  first->LoginSMTP(Text("mx"), Text("Ann"), Text("a@t"), Text(""), Text(""), 5, &e);
  EXPECT_EQ(e, 0);
  second->LoginSMTP(Text("mx"), Text("Ann"), Text("a@t"), Text(""), Text(""), 5, &e);
  EXPECT_EQ(e, 1);
  EXPECT_EQ(error(first), 0);
  // Releasing either object closes the shared session.
  peer.add(reply("221 bye\r\n"));
  second->Release();
  first->Send(Text("x@t"), Text(""), Text(""), Text(""), Text(""), Text(""), &e);
  EXPECT_EQ(e, 2);
  EXPECT_EQ(peer.sent, "HELO client.test\r\nQUIT\r\n");
  first->Release();
}

TEST_F(Internet, AttachDirForms) {
  const struct {
    std::string given, stored;
  } cases[] = {
      {"C:\\mail\\in  ", "C:/mail/in/"},
      {"/tmp/in/", "/tmp/in//"},
      {"/tmp/in\\", "/tmp/in/"},
      {"", "/"},
  };
  std::string seen;
  set_internet_parser([&](std::string_view, int, const std::string& dir, ParsedMail&) {
    seen = dir;
    return MailResult{};
  });
  IQnMail* mail = facade();
  pop3_login(mail);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    mail->put_AttachDir(Text(c.given));
    EXPECT_EQ(error(mail), 0);
    peer.add(reply("+OK 1 10\r\n"));
    peer.add(reply("+OK\r\nS: x\r\n\r\n.\r\n"));
    BSTR f = nullptr, to = nullptr, cc = nullptr, s = nullptr, tx = nullptr, a = nullptr;
    DATE d1 = 0, d2 = 0;
    SHORT e = -1;
    mail->Receive(&f, &to, &cc, &s, &tx, &a, &d1, &d2, &e);
    EXPECT_EQ(e, 0);
    EXPECT_EQ(seen, c.stored);
    for (BSTR b : {f, to, cc, s, tx, a}) SysFreeString(b);
  }
  mail->Release();
}

// A message whose attachment cannot be saved still comes back whole, with
// 16; the real parser writes into the attachment directory.
TEST_F(Internet, ReceiveWithAnAttachmentThatCannotBeSaved) {
  const auto dir = std::filesystem::path(::testing::TempDir()) / "qn_internet_receive";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "taken.bin");  // a folder where the file would go
  IQnMail* mail = facade();
  pop3_login(mail);
  mail->put_AttachDir(Text(dir.string()));
  mail->put_AddressFormat(1);
  mail->put_DisplayMessages(1);
  const std::string message =
      "From: \"Ann\" <ann@t>\r\nTo: bob@t\r\nDate: Tue, 8 Dec 1998 10:00:00 +0100\r\n"
      "Subject: Files\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n\r\n--b\r\n"
      "Content-Type: text/plain\r\n\r\nHi\r\n..\r\n--b\r\n"
      "Content-Type: application/octet-stream; name=\"taken.bin\"\r\n"
      "Content-Transfer-Encoding: base64\r\n\r\nYWJj\r\n--b\r\n"
      "Content-Type: application/octet-stream; name=\"ok.bin\"\r\n"
      "Content-Transfer-Encoding: base64\r\n\r\nYWJj\r\n--b--\r\n";
  peer.add(reply("+OK 1 500\r\n"));
  peer.add(reply("+OK\r\n" + message + ".\r\n"));
  BSTR f = nullptr, to = nullptr, cc = nullptr, s = nullptr, tx = nullptr, a = nullptr;
  DATE d1 = 0, d2 = 0;
  SHORT e = -1;
  mail->Receive(&f, &to, &cc, &s, &tx, &a, &d1, &d2, &e);
  EXPECT_EQ(e, 16);
  EXPECT_EQ(boxes, std::vector<std::string>{"Could not save attachment: taken.bin"});
  EXPECT_EQ(t(f), "ann@t");
  EXPECT_EQ(t(to), "bob@t");
  EXPECT_EQ(t(s), "Files");
  EXPECT_EQ(t(tx), "Hi\r\n.\r\n");
  EXPECT_EQ(t(a), "taken.bin; ok.bin");
  EXPECT_EQ(d1, 36137);  // 8 December 1998
  EXPECT_EQ(d2, 36137);
  std::ifstream saved(dir / "ok.bin");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "abc");
  for (BSTR b : {f, to, cc, s, tx, a}) SysFreeString(b);

  // A failed receive leaves the outputs as they were.
  peer.add(reply("-ERR none\r\n"));
  BSTR kept = bstr_from_1252("kept");
  mail->Receive(&f, &to, &cc, &kept, &tx, &a, &d1, &d2, &e);
  EXPECT_EQ(e, 11);
  EXPECT_EQ(t(kept), "kept");
  SysFreeString(kept);
  mail->Release();
}

TEST_F(Internet, CountAndNotLoggedIn) {
  IQnMail* mail = facade();
  LONG count = -1;
  mail->get_Count(&count);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(error(mail), 2);
  pop3_login(mail, 1);
  peer.add(reply("+OK 3 300\r\n"));
  peer.add(reply("-ERR no LAST\r\n"));
  mail->get_Count(&count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(error(mail), 0);
  mail->Release();
}

TEST(AutomationDate, Forms) {
  const struct {
    const char* text;
    double date;
  } cases[] = {
      {"30/12/1899", 0},     {"1/1/1900", 2},      {"8/12/1998", 36137},
      {"01/01/1980", 29221}, {"29/2/2024", 45351}, {"31/2/2024", 29221},
      {"", 29221},           {"x/y/z", 29221},     {"12/13/2000", 29221},
  };
  for (const auto& c : cases) EXPECT_EQ(automation_date(c.text), c.date) << c.text;
}

}  // namespace
}  // namespace qn::office
