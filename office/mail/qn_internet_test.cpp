#include "office/mail/qn_internet.h"

#include <gtest/gtest.h>

#include <memory>

#include "office/mail/mail_test_env.h"
#include "office/mail/scripted_peer.h"
#include "platform/message_box.h"

namespace qn::office {
namespace {

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
  ScriptedPeer peer;
  std::vector<std::string> boxes;
};

TEST_F(Internet, DisplayMessagesAndAddressFormatRefuseOtherValues) {
  QnInternet mail;
  EXPECT_EQ(mail.Logout(), 2);
  mail.put_DisplayMessages(2);
  EXPECT_EQ(mail.get_Error(), 2);
  EXPECT_EQ(internet_error_code(), 17);
  EXPECT_TRUE(boxes.empty());

  mail.put_DisplayMessages(1);
  mail.put_AddressFormat(3);
  EXPECT_EQ(mail.get_Error(), 17);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], internet_error_text());
  EXPECT_NE(boxes[0].find('3'), std::string::npos);
  mail.put_AddressFormat(0);
  EXPECT_EQ(mail.get_Error(), 0);
  EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(Internet, TwoObjectsShareTheSessions) {
  peer.add(reply("220 hi\r\n"));
  peer.add(reply("250 ok\r\n"));
  QnInternet first;
  auto second = std::make_unique<QnInternet>();
  EXPECT_EQ(first.LoginSMTP("mx", "Ann", "a@t", "", "", 5), 0);
  EXPECT_EQ(second->LoginSMTP("mx", "Ann", "a@t", "", "", 5), 1);
  EXPECT_EQ(first.get_Error(), 0);
  // Destroying either object closes the shared session.
  peer.add(reply("221 bye\r\n"));
  second.reset();
  EXPECT_EQ(first.Send("x@t", "", "", "", "", ""), 2);
  EXPECT_EQ(peer.sent, "HELO client.test\r\nQUIT\r\n");
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
  QnInternet mail;
  peer.add(reply("+OK\r\n"));
  peer.add(reply("+OK\r\n"));
  peer.add(reply("+OK\r\n"));
  ASSERT_EQ(mail.LoginPOP3("mx", "ann", "pw", 0, 0, 5), 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    mail.put_AttachDir(c.given);
    EXPECT_EQ(mail.get_Error(), 0);
    peer.add(reply("+OK 1 10\r\n"));
    peer.add(reply("+OK\r\nS: x\r\n\r\n.\r\n"));
    InternetMessage out;
    EXPECT_EQ(mail.Receive(out), 0);
    EXPECT_EQ(seen, c.stored);
  }
}

TEST_F(Internet, ReceiveConvertsOnSuccessAndOnUnsavedAttachment) {
  int parse_code = 0;
  set_internet_parser([&](std::string_view message, int format, const std::string&, ParsedMail& out) {
    out = {"Ann (a@t)", "b@t", "", "Hi", std::string(message), "a.bin", "8/12/1998"};
    out.to = std::to_string(format);
    return MailResult{parse_code, parse_code ? "a.bin" : ""};
  });
  QnInternet mail;
  peer.add(reply("+OK\r\n"));
  peer.add(reply("+OK\r\n"));
  peer.add(reply("+OK\r\n"));
  ASSERT_EQ(mail.LoginPOP3("mx", "ann", "pw", 0, 0, 5), 0);
  mail.put_AddressFormat(1);
  for (int code : {0, 16}) {
    SCOPED_TRACE(code);
    parse_code = code;
    peer.add(reply("+OK 1 10\r\n"));
    peer.add(reply("+OK\r\nS: x\r\n\r\nbody\r\n.\r\n"));
    InternetMessage out;
    EXPECT_EQ(mail.Receive(out), code);
    EXPECT_EQ(out.from, "Ann (a@t)");
    EXPECT_EQ(out.to, "1");
    EXPECT_EQ(out.text, "S: x\r\n\r\nbody\r\n");
    EXPECT_EQ(out.attachs, "a.bin");
    EXPECT_EQ(out.date_sent, 36137);  // 8 December 1998
    EXPECT_EQ(out.date_received, 36137);
  }
  // A failed receive leaves the outputs as they were.
  peer.add(reply("-ERR none\r\n"));
  InternetMessage out;
  out.subject = "kept";
  EXPECT_EQ(mail.Receive(out), 11);
  EXPECT_EQ(out.subject, "kept");
}

TEST_F(Internet, CountAndNotLoggedIn) {
  QnInternet mail;
  EXPECT_EQ(mail.get_Count(), 0);
  EXPECT_EQ(mail.get_Error(), 2);
  InternetMessage out;
  EXPECT_EQ(mail.Receive(out), 2);
  EXPECT_EQ(mail.Send("x@t", "", "", "", "", ""), 2);
  peer.add(reply("+OK\r\n"));
  peer.add(reply("+OK\r\n"));
  peer.add(reply("+OK\r\n"));
  peer.add(reply("-ERR no LAST\r\n"));
  ASSERT_EQ(mail.LoginPOP3("mx", "ann", "pw", 1, 0, 5), 0);
  peer.add(reply("+OK 3 300\r\n"));
  peer.add(reply("-ERR no LAST\r\n"));
  EXPECT_EQ(mail.get_Count(), 3);
  EXPECT_EQ(mail.get_Error(), 0);
}

TEST(AutomationDate, Forms) {
  const struct {
    const char* text;
    double date;
  } cases[] = {
      {"30/12/1899", 0},   {"1/1/1900", 2},       {"8/12/1998", 36137}, {"01/01/1980", 29221},
      {"29/2/2024", 45351}, {"31/2/2024", 29221}, {"", 29221},          {"x/y/z", 29221},
      {"12/13/2000", 29221},
  };
  for (const auto& c : cases) EXPECT_EQ(automation_date(c.text), c.date) << c.text;
}

}  // namespace
}  // namespace qn::office
