#include "office/mail/smtp_client.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "office/mail/mail_test_env.h"
#include "office/mail/scripted_peer.h"

namespace qn::office {
namespace {

using testing_support::MailEnv;

class Smtp : public MailEnv {};

std::vector<PeerStep> hello_script() { return {reply("220 mx ready\r\n"), reply("250 mx\r\n")}; }

struct LoginCase {
  const char* name;
  std::string user, password;
  std::vector<PeerStep> script;
  int code;
  std::string sent;  // the client's bytes, exactly
};

TEST_F(Smtp, LoginTable) {
  const std::string ehlo = "EHLO client.test\r\n";
  const std::string auth = "AUTH LOGIN\r\nYW5u\r\nc2VjcmV0\r\n";
  const LoginCase cases[] = {
      {"helo without user",
       "",
       "",
       {reply("220 hi\r\n"), reply("250 ok\r\n")},
       0,
       "HELO client.test\r\n"},
      {"greeting split in pieces",
       "",
       "",
       {pieces({"22", "0 hi\r", "\n"}), reply("250 ok\r\n")},
       0,
       "HELO client.test\r\n"},
      {"greeting 421", "", "", {reply("421 busy\r\n")}, 3, ""},
      {"greeting 554", "", "", {reply("554 go away\r\n")}, 3, ""},
      {"greeting garbage", "", "", {reply("\x01\xff garbage\r\n")}, 3, ""},
      {"greeting time-out", "", "", {stall()}, 3, ""},
      {"greeting without an end within 64 KiB",
       "",
       "",
       {pieces({std::string(40000, 'x'), std::string(40000, 'y'), "\r\n"})},
       3,
       ""},
      {"EHLO reply: AUTH beyond the kept 1023 bytes",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250-" + std::string(1100, 'x') + "\r\n250 AUTH LOGIN\r\n")},
       23,
       ehlo},
      {"greeting hang-up", "", "", {hang_up()}, 3, ""},
      {"HELO 501", "", "", {reply("220 hi\r\n"), reply("501 bad\r\n")}, 3, "HELO client.test\r\n"},
      {"HELO 421", "", "", {reply("220 hi\r\n"), reply("421 bye\r\n")}, 3, "HELO client.test\r\n"},
      {"HELO time-out", "", "", {reply("220 hi\r\n"), stall()}, 3, "HELO client.test\r\n"},
      {"AUTH LOGIN",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250-mx\r\n250-SIZE 10\r\n250 AUTH PLAIN LOGIN\r\n"),
        reply("334 VXNlcm5hbWU6\r\n"), reply("334 UGFzc3dvcmQ6\r\n"), reply("235 ok\r\n")},
       0,
       ehlo + auth},
      {"AUTH methods in lower case, reply in pieces",
       "ann",
       "secret",
       {reply("220 hi\r\n"), pieces({"250-mx\r\n250-auth plain ", "login\r\n250 8BITMIME\r\n"}),
        reply("334 x\r\n"), reply("334 x\r\n"), reply("235 ok\r\n")},
       0,
       ehlo + auth},
      {"EHLO 502", "ann", "secret", {reply("220 hi\r\n"), reply("502 no\r\n")}, 23, ehlo},
      {"EHLO 421", "ann", "secret", {reply("220 hi\r\n"), reply("421 no\r\n")}, 23, ehlo},
      {"no AUTH",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250-mx\r\n250 SIZE 1\r\n")},
       23,
       ehlo},
      {"AUTH without LOGIN: no AUTH sent",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250-mx\r\n250-AUTH PLAIN CRAM-MD5\r\n250 SIZE 1\r\n")},
       23,
       ehlo},
      {"LOGIN only on a later line",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250-AUTH PLAIN\r\n250 X-LOGIN\r\n")},
       23,
       ehlo},
      {"AUTH line without line end",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250 AUTH LOGIN\n")},
       3,
       ehlo},
      {"EHLO time-out", "ann", "secret", {reply("220 hi\r\n"), stall()}, 20, ehlo},
      {"AUTH LOGIN 504",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250 AUTH LOGIN\r\n"), reply("504 no\r\n")},
       24,
       ehlo + "AUTH LOGIN\r\n"},
      {"AUTH LOGIN time-out",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250 AUTH LOGIN\r\n"), stall()},
       24,
       ehlo + "AUTH LOGIN\r\n"},
      {"user 535",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250 AUTH LOGIN\r\n"), reply("334 x\r\n"), reply("535 no\r\n")},
       24,
       ehlo + "AUTH LOGIN\r\nYW5u\r\n"},
      {"user time-out",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250 AUTH LOGIN\r\n"), reply("334 x\r\n"), stall()},
       24,
       ehlo + "AUTH LOGIN\r\nYW5u\r\n"},
      {"password 535",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250 AUTH LOGIN\r\n"), reply("334 x\r\n"), reply("334 x\r\n"),
        reply("535 no\r\n")},
       25,
       ehlo + auth},
      {"password 454",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250 AUTH LOGIN\r\n"), reply("334 x\r\n"), reply("334 x\r\n"),
        reply("454 later\r\n")},
       25,
       ehlo + auth},
      {"password time-out",
       "ann",
       "secret",
       {reply("220 hi\r\n"), reply("250 AUTH LOGIN\r\n"), reply("334 x\r\n"), reply("334 x\r\n"),
        stall()},
       25,
       ehlo + auth},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPeer peer(c.script);
    SmtpClient client(peer.connector());
    EXPECT_EQ(client.login("mx", "Ann", "ann@test", c.user, c.password, 5).code, c.code);
    EXPECT_EQ(peer.sent, c.sent);
    EXPECT_EQ(client.is_open(), c.code == 0);
    EXPECT_EQ(peer.ports, std::vector<int>{2525});
  }
}

TEST_F(Smtp, LoginRefusedBeforeConnecting) {
  const std::string long_text(256, 'a');
  const struct {
    const char* name;
    std::string from_name, from_address, user, password;
    MailResult result;
  } cases[] = {
      {"empty sender name", "", "a@t", "", "", {6, ""}},
      {"sender name over 255", long_text, "a@t", "", "", {6, long_text}},
      {"empty sender address", "Ann", "", "", "", {7, ""}},
      {"sender address over 255", "Ann", long_text, "", "", {7, long_text}},
      {"line feed in the sender address",
       "Ann",
       "a@t\nRCPT TO:<x>",
       "",
       "",
       {7, "a@t\nRCPT TO:<x>"}},
      {"carriage return in the user", "Ann", "a@t", "ann\rx", "p", {8, "ann\rx"}},
      {"line feed in the password", "Ann", "a@t", "ann", "p\n", {9, ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPeer peer(hello_script());
    SmtpClient client(peer.connector());
    EXPECT_EQ(client.login("mx", c.from_name, c.from_address, c.user, c.password, 5), c.result);
    EXPECT_EQ(peer.connects, 0);
  }
}

TEST_F(Smtp, ConnectFailures) {
  ScriptedPeer peer(hello_script());
  peer.refuse_connect = true;
  SmtpClient client(peer.connector());
  EXPECT_EQ(client.login("mx", "Ann", "a@t", "", "", 5).code, 3);
  ::setenv("QN_SERVICES_FILE", testing_support::services_file("pop3 110/tcp\n").c_str(), 1);
  EXPECT_EQ(client.login("mx", "Ann", "a@t", "", "", 5).code, 3);
  EXPECT_EQ(peer.ports, std::vector<int>{2525});
}

TEST_F(Smtp, SecondLoginKeepsTheSession) {
  ScriptedPeer peer(hello_script());
  SmtpClient client(peer.connector());
  ASSERT_EQ(client.login("mx", "Ann", "a@t", "", "", 5).code, 0);
  EXPECT_EQ(client.login("mx", "Bob", "b@t", "", "", 5).code, 1);
  EXPECT_EQ(peer.connects, 1);
  peer.add(reply("250 ok\r\n"));
  peer.add(reply("250 ok\r\n"));
  peer.add(reply("354 go\r\n"));
  peer.add(reply("250 ok\r\n"));
  EXPECT_EQ(client.send("x@t", "", "", "s", "t", "", "").code, 0);
  EXPECT_NE(peer.sent.find("MAIL FROM:<a@t>\r\n"), std::string::npos);
  EXPECT_NE(peer.sent.find("From: \"Ann\" <a@t>\r\n"), std::string::npos);
}

struct SendCase {
  const char* name;
  std::string to, cc, bcc, attachs;
  std::vector<PeerStep> script;  // after the login
  MailResult result;
  std::string sent;      // the client's bytes after the login, exactly (empty: not checked)
  std::string contains;  // a part of them
  bool open_after;
};

TEST_F(Smtp, SendTable) {
  const auto dir = std::filesystem::path(::testing::TempDir()) / "qn_smtp_send";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "a.bin", std::ios::binary) << "abc";
  const std::string adir = dir.string() + "/";
  const std::string header_tail =
      "Subject: Hi\r\nMIME-Version: 1.0\r\nContent-Type: text/plain\r\n\r\nline\r\n\r\n.\r\n";
  const std::string whole_message =
      "MAIL FROM:<a@t>\r\nRCPT TO:<x@t>\r\nDATA\r\nFrom: \"Ann\" <a@t>\r\nTo: x@t\r\nCc: \r\n" +
      header_tail;
  const SendCase cases[] = {
      {"plain message",
       "x@t",
       "",
       "",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("354 go\r\n"), reply("250 queued\r\n")},
       {0, ""},
       whole_message + "",
       "",
       true},
      {"two To, a Cc and a Bcc",
       "x@t; y@t",
       "c@t",
       "b@t",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("250 ok\r\n"), reply("250 ok\r\n"),
        reply("250 ok\r\n"), reply("354 go\r\n"), reply("250 queued\r\n")},
       {0, ""},
       "MAIL FROM:<a@t>\r\nRCPT TO:<x@t>\r\nRCPT TO:<y@t>\r\nRCPT TO:<c@t>\r\nRCPT TO:<b@t>\r\n"
       "DATA\r\nFrom: \"Ann\" <a@t>\r\nTo: x@t, y@t\r\nCc: c@t\r\n" +
           header_tail,
       "",
       true},
      {"empty To", "", "c@t", "", "", {}, {13, ""}, "", "", true},
      {"blank To", "  ", "", "", "", {}, {13, ""}, "", "", true},
      {"line feed in a Cc entry",
       "x@t",
       "c@t\r\nDATA",
       "",
       "",
       {},
       {14, "c@t\r\nDATA"},
       "",
       "",
       true},
      {"MAIL FROM 451",
       "x@t",
       "",
       "",
       "",
       {reply("451 later\r\n")},
       {10, ""},
       "MAIL FROM:<a@t>\r\n",
       "",
       true},
      {"MAIL FROM 550",
       "x@t",
       "",
       "",
       "",
       {reply("550 no\r\n")},
       {10, ""},
       "MAIL FROM:<a@t>\r\n",
       "",
       true},
      {"MAIL FROM time-out",
       "x@t",
       "",
       "",
       "",
       {stall()},
       {10, ""},
       "MAIL FROM:<a@t>\r\n",
       "",
       false},
      {"second recipient 550, then RSET",
       "x@t;y@t",
       "",
       "",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("550 unknown\r\n"), reply("250 reset\r\n")},
       {14, "y@t"},
       "MAIL FROM:<a@t>\r\nRCPT TO:<x@t>\r\nRCPT TO:<y@t>\r\nRSET\r\n",
       "",
       true},
      {"Bcc recipient 450",
       "x@t",
       "",
       "b@t",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("450 busy\r\n"), reply("250 reset\r\n")},
       {14, "b@t"},
       "MAIL FROM:<a@t>\r\nRCPT TO:<x@t>\r\nRCPT TO:<b@t>\r\nRSET\r\n",
       "",
       true},
      {"recipient time-out",
       "x@t",
       "",
       "",
       "",
       {reply("250 ok\r\n"), stall()},
       {14, "x@t"},
       "MAIL FROM:<a@t>\r\nRCPT TO:<x@t>\r\n",
       "",
       false},
      {"DATA 554",
       "x@t",
       "",
       "",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("554 no\r\n")},
       {10, ""},
       "MAIL FROM:<a@t>\r\nRCPT TO:<x@t>\r\nDATA\r\n",
       "",
       true},
      {"DATA time-out",
       "x@t",
       "",
       "",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), stall()},
       {10, ""},
       "MAIL FROM:<a@t>\r\nRCPT TO:<x@t>\r\nDATA\r\n",
       "",
       false},
      {"end of data 552",
       "x@t",
       "",
       "",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("354 go\r\n"), reply("552 too big\r\n")},
       {10, ""},
       whole_message,
       "",
       true},
      {"end of data 451",
       "x@t",
       "",
       "",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("354 go\r\n"), reply("451 later\r\n")},
       {10, ""},
       whole_message,
       "",
       true},
      {"end of data time-out",
       "x@t",
       "",
       "",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("354 go\r\n"), stall()},
       {10, ""},
       whole_message,
       "",
       false},
      {"hang-up after 354",
       "x@t",
       "",
       "",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), hang_up({"354 go\r\n"})},
       {10, ""},
       "MAIL FROM:<a@t>\r\nRCPT TO:<x@t>\r\nDATA\r\n",
       "",
       false},
      {"end reply in pieces",
       "x@t",
       "",
       "",
       "",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("354 go\r\n"), pieces({"2", "50 ok\r\n"})},
       {0, ""},
       whole_message,
       "",
       true},
      {"bare name through the attachment directory",
       "x@t",
       "",
       "",
       "a.bin",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("354 go\r\n"), reply("250 ok\r\n")},
       {0, ""},
       "",
       "Content-Type: application/octet-stream;\r\n  name=\"a.bin\"\r\n"
       "Content-Transfer-Encoding: base64\r\nContent-Disposition: attachment;\r\n"
       "  "
       "filename=\"a.bin\"\r\n\r\nYWJj\r\n\r\n------_=_NextPart_000_01BF2AB4.8FAEA5A0--\r\n\r\n."
       "\r\n",
       true},
      {"missing second attachment",
       "x@t",
       "",
       "",
       "a.bin; " + adir + "missing.bin",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("354 go\r\n"), reply("250 ok\r\n")},
       {15, adir + "missing.bin"},
       "",
       "filename=\"a.bin\"\r\n\r\nYWJj\r\n\r\n------_=_NextPart_000_01BF2AB4.8FAEA5A0--\r\n\r\n."
       "\r\n",
       true},
      {"trailing separator: an empty last attachment",
       "x@t",
       "",
       "",
       "a.bin; ",
       {reply("250 ok\r\n"), reply("250 ok\r\n"), reply("354 go\r\n"), reply("250 ok\r\n")},
       {15, adir},
       "",
       "YWJj\r\n\r\n------_=_NextPart_000_01BF2AB4.8FAEA5A0--\r\n\r\n.\r\n",
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPeer peer(hello_script());
    SmtpClient client(peer.connector());
    ASSERT_EQ(client.login("mx", "Ann", "a@t", "", "", 5).code, 0);
    const std::size_t login_bytes = peer.sent.size();
    for (const auto& step : c.script) peer.add(step);
    EXPECT_EQ(client.send(c.to, c.cc, c.bcc, "Hi", "line\n", c.attachs, adir), c.result);
    const std::string sent = peer.sent.substr(login_bytes);
    if (!c.sent.empty() || c.contains.empty()) {
      EXPECT_EQ(sent, c.sent);
    }
    if (!c.contains.empty()) {
      EXPECT_NE(sent.find(c.contains), std::string::npos) << sent;
    }
    EXPECT_EQ(client.is_open(), c.open_after);
    if (!c.open_after) {
      EXPECT_EQ(client.send("x@t", "", "", "", "", "", adir).code, 2);
    }
  }
}

TEST_F(Smtp, SendWithoutSession) {
  ScriptedPeer peer;
  SmtpClient client(peer.connector());
  EXPECT_EQ(client.send("x@t", "", "", "", "", "", "").code, 2);
  EXPECT_FALSE(client.logout());
}

TEST(WireText, LineEndsAndDots) {
  const struct {
    std::string_view text, wire;
  } cases[] = {
      {"a\nb", "a\r\nb"},
      {"a\r\nb\rc\n", "a\r\nb\r\nc\r\n"},
      {".\n.x\nx.\n", "..\r\n..x\r\nx.\r\n"},
      {".", ".."},
      {"\r\r\n.", "\r\n\r\n.."},
      {"caf\xe9\n", "caf\xe9\r\n"},
  };
  for (const auto& c : cases) {
    std::string out;
    append_wire_text(out, c.text);
    EXPECT_EQ(out, c.wire) << c.text;
  }
}

TEST(MailList, Entries) {
  using V = std::vector<std::string>;
  EXPECT_EQ(split_mail_list(""), V{});
  EXPECT_EQ(split_mail_list("   "), V{});
  EXPECT_EQ(split_mail_list(" a@t ;b@t"), (V{"a@t", "b@t"}));
  EXPECT_EQ(split_mail_list("a@t; "), (V{"a@t", ""}));
  EXPECT_EQ(split_mail_list("a;;b"), (V{"a", "", "b"}));
}

}  // namespace
}  // namespace qn::office
