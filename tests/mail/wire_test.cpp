// The mail clients against a scripted server over real loopback sockets:
// the exact bytes of a send, and what only a real stream shows (time-outs,
// replies in delayed pieces, a peer that hangs up while the client sends).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "office/mail/pop3_client.h"
#include "office/mail/smtp_client.h"
#include "platform/socket.h"
#include "tests/mail/fake_server.h"

namespace qn::office {
namespace {

using namespace testing_support;

class Wire : public ::testing::Test {
 protected:
  void use(FakeServer& server) { ::setenv("QN_SERVICES_FILE", server.services_file().c_str(), 1); }
  void SetUp() override {
    platform::set_host_name_for_tests([] { return std::string("client.test"); });
    dir_ = std::filesystem::path(::testing::TempDir()) / "qn_mail_wire";
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    ::unsetenv("QN_SERVICES_FILE");
    platform::set_host_name_for_tests(nullptr);
  }
  std::filesystem::path dir_;
};

// The whole conversation of a login with AUTH LOGIN and a send with two
// attachments, byte for byte.
TEST_F(Wire, GoldenSendWithTwoAttachments) {
  std::ofstream(dir_ / "notes.txt", std::ios::binary) << "first line\nsecond line\n";
  std::string bytes;
  for (int i = 0; i < 100; ++i) bytes.push_back(static_cast<char>(i * 7));
  std::ofstream(dir_ / "data.bin", std::ios::binary) << bytes;

  FakeServer server(
      {say("220 mx ready\r\n"), say("250-mx\r\n250-AUTH LOGIN PLAIN\r\n250 8BITMIME\r\n"),
       say("334 VXNlcm5hbWU6\r\n"), say("334 UGFzc3dvcmQ6\r\n"), say("235 ok\r\n"),
       say("250 ok\r\n"), say("250 ok\r\n"), say("250 ok\r\n"), say("250 ok\r\n"),
       say("354 go\r\n"), say_after("\r\n.\r\n", "250 queued\r\n"), say("221 bye\r\n")});
  use(server);
  SmtpClient client(socket_connector());
  ASSERT_EQ(client.login("127.0.0.1", "Ann Smith", "ann@mail.test", "ann", "secret", 5).code, 0);
  const std::string attachs = "notes.txt; " + (dir_ / "data.bin").string();
  ASSERT_EQ(client
                .send("bob@mail.test; carl@mail.test", "", "dora@mail.test", "Report",
                      "Hello,\n.\n.hidden\nbye", attachs, dir_.string() + "/")
                .code,
            0);
  EXPECT_TRUE(client.logout());

  std::string got = server.received();
  // The folder of the second attachment varies; the golden names it DIR.
  for (auto at = got.find(dir_.string()); at != std::string::npos; at = got.find(dir_.string())) {
    got.replace(at, dir_.string().size(), "DIR");
  }
  const auto golden =
      std::filesystem::path(QN_SOURCE_DIR) / "tests/mail/testdata/send_two_attachments.txt";
  const std::string want = read_file(golden);
  if (got != want) {
    std::ofstream(std::filesystem::path(::testing::TempDir()) / "send_two_attachments.txt",
                  std::ios::binary)
        << got;
  }
  EXPECT_EQ(got, want);
}

TEST_F(Wire, SmtpOverRealStreams) {
  const struct {
    const char* name;
    std::vector<FakeStep> script;
    int timeout;
    int login, send;
    bool open_after;
  } cases[] = {
      {"replies in delayed pieces",
       {say_pieces({"220-mx\r\n", "220 ", "ready\r\n"}, 30), say_pieces({"25", "0 ok\r\n"}, 30),
        say("250 ok\r\n"), say("250 ok\r\n"), say("354 go\r\n"),
        say_after("\r\n.\r\n", "250 queued\r\n")},
       5,
       0,
       0,
       true},
      {"greeting later than the time-out", {say("220 mx\r\n", 1500)}, 1, 3, 2, false},
      {"a negative time-out waits without limit",
       {say("220 mx\r\n", 1200), say("250 ok\r\n"), say("250 ok\r\n"), say("250 ok\r\n"),
        say("354 go\r\n"), say_after("\r\n.\r\n", "250 queued\r\n")},
       -1,
       0,
       0,
       true},
      {"Timeout 0: a reply that is not there at once", {say("220 mx\r\n", 200)}, 0, 3, 2, false},
      {"end of data later than the time-out",
       {say("220 mx\r\n"), say("250 ok\r\n"), say("250 ok\r\n"), say("250 ok\r\n"),
        say("354 go\r\n"), say_after("\r\n.\r\n", "")},
       1,
       0,
       10,
       false},
      {"hang-up while the message is sent",
       {say("220 mx\r\n"), say("250 ok\r\n"), say("250 ok\r\n"), say("250 ok\r\n"),
        hang_up_with({"354 go\r\n"})},
       5,
       0,
       10,
       false},
  };
  std::ofstream(dir_ / "big.bin", std::ios::binary) << std::string(4 << 20, 'x');
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeServer server(c.script);
    use(server);
    SmtpClient client(socket_connector());
    EXPECT_EQ(client.login("127.0.0.1", "Ann", "ann@t", "", "", c.timeout).code, c.login);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client.send("bob@t", "", "", "s", "text", "big.bin", dir_.string() + "/").code,
              c.send);
    // Only a hang is a fault here: the bound leaves room for a loaded machine
    // and the sanitizers, which send the 4 MB attachment slowly.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_EQ(client.is_open(), c.open_after);
  }
}

TEST_F(Wire, Pop3OverRealStreams) {
  const std::string message = "Subject: x\r\n\r\nbody\r\n";
  const struct {
    const char* name;
    std::vector<FakeStep> script;  // after the greeting, USER and PASS
    int result;
    std::string parsed;
  } cases[] = {
      {"message in delayed pieces",
       {say("+OK 1 20\r\n"), say_pieces({"+OK\r\nSubject: x\r\n", "\r\nbody\r", "\n.\r\n"}, 30)},
       0,
       message},
      {"stall in the middle",
       {say("+OK 1 20\r\n"), say("+OK\r\nSubject: x\r\n"), fall_silent()},
       20,
       "-"},
      {"hang-up in the middle",
       {say("+OK 1 20\r\n"), hang_up_with({"+OK\r\nSubject: x\r\n"})},
       21,
       "-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<FakeStep> script = {say("+OK ready\r\n"), say("+OK\r\n"), say("+OK\r\n")};
    script.insert(script.end(), c.script.begin(), c.script.end());
    FakeServer server(script);
    use(server);
    Pop3Client client(socket_connector());
    ASSERT_EQ(client.login("127.0.0.1", "ann", "pw", false, true, 1).code, 0);
    std::string parsed = "-";
    EXPECT_EQ(client
                  .receive([&](std::string_view m) {
                    parsed = std::string(m);
                    return MailResult{};
                  })
                  .code,
              c.result);
    EXPECT_EQ(parsed, c.parsed);
  }
}

}  // namespace
}  // namespace qn::office
