#include "office/mail/pop3_client.h"

#include <gtest/gtest.h>

#include "office/mail/mail_test_env.h"
#include "office/mail/scripted_peer.h"

namespace qn::office {
namespace {

using testing_support::MailEnv;

class Pop3 : public MailEnv {};

// Records the message it is given.
MessageParser recording_parser(std::string& out, int code = 0) {
  return [code, &out](std::string_view message) {
    out = std::string(message);
    return MailResult{code, code ? "a.bin" : ""};
  };
}

std::vector<PeerStep> login_script() {
  return {reply("+OK ready\r\n"), reply("+OK\r\n"), reply("+OK in\r\n")};
}
const std::string kLoginSent = "USER ann\r\nPASS pw\r\n";

TEST_F(Pop3, LoginTable) {
  const struct {
    const char* name;
    bool new_messages;
    std::vector<PeerStep> script;
    MailResult result;
    std::string sent;
    long last;
  } cases[] = {
      {"plain", false, login_script(), {0, ""}, kLoginSent, 0},
      {"LAST 5",
       true,
       {reply("+OK ready\r\n"), reply("+OK\r\n"), reply("+OK in\r\n"), reply("+OK 5\r\n")},
       {0, ""},
       kLoginSent + "LAST\r\n",
       5},
      {"LAST refused",
       true,
       {reply("+OK ready\r\n"), reply("+OK\r\n"), reply("+OK in\r\n"), reply("-ERR what\r\n")},
       {0, ""},
       kLoginSent + "LAST\r\n",
       0},
      {"LAST beyond 32 bits",
       true,
       {reply("+OK ready\r\n"), reply("+OK\r\n"), reply("+OK in\r\n"),
        reply("+OK 99999999999999999999\r\n")},
       {0, ""},
       kLoginSent + "LAST\r\n",
       2147483647},
      {"greeting refused", false, {reply("-ERR busy\r\n")}, {3, ""}, "", 0},
      {"greeting time-out", false, {stall()}, {3, ""}, "", 0},
      {"greeting in pieces",
       false,
       {pieces({"+O", "K hi\r\n"}), reply("+OK\r\n"), reply("+OK\r\n")},
       {0, ""},
       kLoginSent,
       0},
      {"USER refused",
       false,
       {reply("+OK ready\r\n"), reply("-ERR who\r\n")},
       {8, "ann"},
       "USER ann\r\n",
       0},
      {"USER time-out", false, {reply("+OK ready\r\n"), stall()}, {8, "ann"}, "USER ann\r\n", 0},
      {"PASS refused",
       false,
       {reply("+OK ready\r\n"), reply("+OK\r\n"), reply("-ERR no\r\n")},
       {9, ""},
       kLoginSent,
       0},
      {"LAST time-out",
       true,
       {reply("+OK ready\r\n"), reply("+OK\r\n"), reply("+OK in\r\n"), stall()},
       {20, ""},
       kLoginSent + "LAST\r\n",
       0},
      {"LAST hang-up",
       true,
       {reply("+OK ready\r\n"), reply("+OK\r\n"), reply("+OK in\r\n"), hang_up()},
       {19, ""},
       kLoginSent + "LAST\r\n",
       0},
      {"PASS garbage",
       false,
       {reply("+OK ready\r\n"), reply("+OK\r\n"), reply("\x7f\x80zz\r\n")},
       {9, ""},
       kLoginSent,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPeer peer(c.script);
    Pop3Client client(peer.connector());
    EXPECT_EQ(client.login("mx", "ann", "pw", c.new_messages, false, 5), c.result);
    EXPECT_EQ(peer.sent, c.sent);
    EXPECT_EQ(client.is_open(), c.result.code == 0);
    EXPECT_EQ(client.last_taken(), c.last);
  }
}

TEST_F(Pop3, LoginRefusals) {
  ScriptedPeer peer(login_script());
  Pop3Client client(peer.connector());
  EXPECT_EQ(client.login("mx", "ann\r\nDELE 1", "pw", false, false, 5),
            (MailResult{8, "ann\r\nDELE 1"}));
  EXPECT_EQ(client.login("mx", "ann", "pw\n", false, false, 5), (MailResult{9, ""}));
  EXPECT_EQ(peer.connects, 0);
  ASSERT_EQ(client.login("mx", "ann", "pw", false, false, 5).code, 0);
  EXPECT_EQ(client.login("mx", "ann", "pw", false, false, 5).code, 1);
  EXPECT_EQ(peer.connects, 1);
}

TEST_F(Pop3, ServiceFallback) {
  // Only "pop-3" listed: the second lookup finds it.
  ::setenv("QN_SERVICES_FILE", testing_support::services_file("pop-3 1111/tcp\n").c_str(), 1);
  ScriptedPeer peer(login_script());
  Pop3Client client(peer.connector());
  EXPECT_EQ(client.login("mx", "ann", "pw", false, false, 5).code, 0);
  EXPECT_EQ(peer.ports, std::vector<int>{1111});
  client.logout();

  // "pop3" listed but refusing: "pop-3" is tried next.
  ::setenv("QN_SERVICES_FILE",
           testing_support::services_file("pop3 1110/tcp\npop-3 1111/tcp\n").c_str(), 1);
  peer.refuse_connect = true;
  peer.ports.clear();
  EXPECT_EQ(client.login("mx", "ann", "pw", false, false, 5).code, 3);
  EXPECT_EQ(peer.ports, (std::vector<int>{1110, 1111}));

  ::setenv("QN_SERVICES_FILE", testing_support::services_file("smtp 25/tcp\n").c_str(), 1);
  EXPECT_EQ(client.login("mx", "ann", "pw", false, false, 5).code, 3);
}

TEST_F(Pop3, CountTable) {
  const struct {
    const char* name;
    bool new_messages;
    std::vector<PeerStep> script;  // after the login (and its LAST)
    int code;
    long count;
    bool open_after;
  } cases[] = {
      {"STAT", false, {reply("+OK 4 1200\r\n")}, 0, 4, true},
      {"STAT less LAST", true, {reply("+OK 4 1200\r\n"), reply("+OK 2\r\n")}, 0, 2, true},
      {"LAST refused counts as 0",
       true,
       {reply("+OK 4 1200\r\n"), reply("-ERR no\r\n")},
       0,
       4,
       true},
      {"STAT refused", false, {reply("-ERR no\r\n")}, 19, -1, true},
      {"STAT time-out", false, {stall()}, 19, -1, false},
      {"LAST time-out", true, {reply("+OK 4 1200\r\n"), stall()}, 19, -1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto script = login_script();
    if (c.new_messages) script.push_back(reply("-ERR no LAST\r\n"));
    ScriptedPeer peer(script);
    Pop3Client client(peer.connector());
    ASSERT_EQ(client.login("mx", "ann", "pw", c.new_messages, false, 5).code, 0);
    for (const auto& step : c.script) peer.add(step);
    long count = -1;
    EXPECT_EQ(client.count(count).code, c.code);
    EXPECT_EQ(count, c.count);
    EXPECT_EQ(client.is_open(), c.open_after);
  }
  ScriptedPeer peer;
  Pop3Client client(peer.connector());
  long count = -1;
  EXPECT_EQ(client.count(count).code, 2);
}

TEST_F(Pop3, ReceiveTable) {
  const std::string message = "Subject: x\r\n\r\nbody\r\n";
  const struct {
    const char* name;
    bool delete_after;
    int parse_code;
    std::vector<PeerStep> script;  // after the login
    MailResult result;
    std::string message;  // what the parser got ("-" when it was not called)
    std::string sent;     // after the login
    bool open_after;
  } cases[] = {
      {"message",
       false,
       0,
       {reply("+OK 1 20\r\n"), reply("+OK\r\n" + message + ".\r\n")},
       {0, ""},
       message,
       "LIST 1\r\nRETR 1\r\n",
       true},
      {"byte-stuffing undone",
       false,
       0,
       {reply("+OK 1 20\r\n"), reply("+OK\r\nS: x\r\n\r\n..\r\n..x\r\nx.\r\n...\r\n.\r\n")},
       {0, ""},
       "S: x\r\n\r\n.\r\n.x\r\nx.\r\n..\r\n",
       "LIST 1\r\nRETR 1\r\n",
       true},
      {"empty message",
       false,
       0,
       {reply("+OK 1 0\r\n"), reply("+OK\r\n.\r\n")},
       {0, ""},
       "",
       "LIST 1\r\nRETR 1\r\n",
       true},
      {"message in pieces, end line split",
       false,
       0,
       {reply("+OK 1 20\r\n"), pieces({"+OK\r\nSubj", "ect: x\r\n\r\nbody\r\n.", "\r", "\n"})},
       {0, ""},
       message,
       "LIST 1\r\nRETR 1\r\n",
       true},
      {"stuffed dots and the end line split between pieces",
       false,
       0,
       {reply("+OK 1 20\r\n"), pieces({"+OK\r\nS\r\n", ".", ".y\r\n.", ".", "\r\n.", "\r", "\n"})},
       {0, ""},
       "S\r\n.y\r\n.\r\n",
       "LIST 1\r\nRETR 1\r\n",
       true},
      {"a long line in pieces",
       false,
       0,
       {reply("+OK 1 200000\r\n"),
        pieces({"+OK\r\n", std::string(70000, 'a'), std::string(70000, 'b'), "\r\n.\r\n"})},
       {0, ""},
       std::string(70000, 'a') + std::string(70000, 'b') + "\r\n",
       "LIST 1\r\nRETR 1\r\n",
       true},
      {"deleted after it was received",
       true,
       0,
       {reply("+OK 1 20\r\n"), reply("+OK\r\n" + message + ".\r\n"), reply("-ERR refused\r\n")},
       {0, ""},
       message,
       "LIST 1\r\nRETR 1\r\nDELE 1\r\n",
       true},
      {"not deleted after an attachment failed",
       true,
       16,
       {reply("+OK 1 20\r\n"), reply("+OK\r\n" + message + ".\r\n")},
       {16, "a.bin"},
       message,
       "LIST 1\r\nRETR 1\r\n",
       true},
      {"LIST refused",
       true,
       0,
       {reply("-ERR no such message\r\n")},
       {11, ""},
       "-",
       "LIST 1\r\n",
       true},
      {"RETR refused",
       true,
       0,
       {reply("+OK 1 20\r\n"), reply("-ERR gone\r\n")},
       {11, ""},
       "-",
       "LIST 1\r\nRETR 1\r\n",
       true},
      {"RETR time-out",
       true,
       0,
       {reply("+OK 1 20\r\n"), stall()},
       {20, ""},
       "-",
       "LIST 1\r\nRETR 1\r\n",
       false},
      {"stall in the middle",
       true,
       0,
       {reply("+OK 1 20\r\n"), pieces({"+OK\r\nSubject: x\r\n"}), stall()},
       {20, ""},
       "-",
       "LIST 1\r\nRETR 1\r\n",
       false},
      {"hang-up in the middle",
       true,
       0,
       {reply("+OK 1 20\r\n"), hang_up({"+OK\r\nSubject: x\r\n"})},
       {21, ""},
       "-",
       "LIST 1\r\nRETR 1\r\n",
       false},
      {"hang-up at RETR",
       true,
       0,
       {reply("+OK 1 20\r\n"), hang_up()},
       {21, ""},
       "-",
       "LIST 1\r\nRETR 1\r\n",
       false},
      {"larger than the size given",
       true,
       0,
       {reply("+OK 1 1\r\n"), reply("+OK\r\n" + std::string(40000, 'x') + "\r\n.\r\n")},
       {21, ""},
       "-",
       "LIST 1\r\nRETR 1\r\n",
       false},
      {"hang-up after LIST",
       true,
       0,
       {hang_up({"+OK 1 20\r\n"})},
       {19, ""},
       "-",
       "LIST 1\r\n",
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPeer peer(login_script());
    Pop3Client client(peer.connector());
    ASSERT_EQ(client.login("mx", "ann", "pw", false, c.delete_after, 5).code, 0);
    for (const auto& step : c.script) peer.add(step);
    std::string out = "-";
    EXPECT_EQ(client.receive(recording_parser(out, c.parse_code)), c.result);
    EXPECT_EQ(out, c.message);
    EXPECT_EQ(peer.sent.substr(kLoginSent.size()), c.sent);
    EXPECT_EQ(client.is_open(), c.open_after);
  }
}

// The time-out bounds each wait, not the whole message: ten pieces 0.3 s
// apart arrive within a time-out of one second.
TEST_F(Pop3, TimeOutCoversEachWait) {
  ScriptedPeer peer(login_script());
  Pop3Client client(peer.connector());
  ASSERT_EQ(client.login("mx", "ann", "pw", false, false, 1).code, 0);
  std::vector<std::string> parts{"+OK\r\n"};
  for (int i = 0; i < 8; ++i) parts.push_back("line " + std::to_string(i) + "\r\n");
  parts.push_back(".\r\n");
  peer.add(reply("+OK 1 100\r\n"));
  peer.add(pieces(parts));
  std::string out;
  peer.piece_delay_ms = 300;
  EXPECT_EQ(client.receive(recording_parser(out)).code, 0);
  EXPECT_EQ(out.substr(0, 8), "line 0\r\n");

}

TEST_F(Pop3, ReceiveMovesOnAfterARefusal) {
  auto script = login_script();
  script.push_back(reply("+OK 5\r\n"));            // LAST
  script.push_back(reply("-ERR no message\r\n"));  // LIST 6
  script.push_back(reply("+OK 7 10\r\n"));         // LIST 7
  script.push_back(reply("+OK\r\nS: y\r\n\r\n.\r\n"));
  ScriptedPeer peer(script);
  Pop3Client client(peer.connector());
  ASSERT_EQ(client.login("mx", "ann", "pw", true, false, 5).code, 0);
  std::string out;
  EXPECT_EQ(client.receive(recording_parser(out)).code, 11);
  EXPECT_EQ(client.receive(recording_parser(out)).code, 0);
  EXPECT_EQ(peer.sent, kLoginSent + "LAST\r\nLIST 6\r\nLIST 7\r\nRETR 7\r\n");
  peer.add(reply("+OK bye\r\n"));
  EXPECT_TRUE(client.logout());
  EXPECT_FALSE(client.logout());
  EXPECT_EQ(client.receive(recording_parser(out)).code, 2);
}

}  // namespace
}  // namespace qn::office
