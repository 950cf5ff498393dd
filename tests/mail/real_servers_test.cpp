// The mail clients against real SMTP and POP3 servers on loopback (run by
// the mail_servers fixture). Each case has its own mailbox user.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <thread>

#include "office/mail/internet_mail.h"
#include "office/mail/pop3_client.h"
#include "office/mail/qn_mail.h"
#include "office/mail/smtp_client.h"
#include "platform/com/variant.h"
#include "tests/mail/fake_server.h"
#include "tests/mail/real_servers.h"

namespace qn::office {
namespace {

using namespace testing_support;

// Skips the case (from its own body) where the developer asked the fixture
// to run without the SMTP server.
#define NEED_SMTP() \
  if (!servers_->smtp()) GTEST_SKIP() << "SMTP cases skipped: " << reason_

class RealMail : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string reason;
    servers_ = RealServers::load(reason);
    if (!servers_) {
      // Outside ctest's fixture a developer may run the rest; CI may not.
      const char* ci = std::getenv("CI");
      if (ci && std::string_view(ci) == "true") GTEST_FAIL() << reason;
      GTEST_SKIP() << reason;
    }
    reason_ = reason;
  }
  void TearDown() override { ::unsetenv("QN_SERVICES_FILE"); }
  // Makes the given port the services "smtp" and "pop3".
  void route_to(int port) {
    const auto path =
        std::filesystem::path(::testing::TempDir()) /
        ("qn_real_services_" + std::to_string(::getpid()) + "_" + std::to_string(port));
    std::ofstream(path) << "smtp " << port << "/tcp\npop3 " << port << "/tcp\n";
    ::setenv("QN_SERVICES_FILE", path.c_str(), 1);
  }
  MessageParser keep(std::string& out, int code = 0) {
    return [&out, code](std::string_view m) {
      out = std::string(m);
      return MailResult{code, code ? "x.bin" : ""};
    };
  }
  std::optional<RealServers> servers_;
  std::string reason_;
};

TEST_F(RealMail, SmtpLoginOutcomes) {
  NEED_SMTP();
  const struct {
    const char* server;
    const char* password;
    int code;
  } cases[] = {
      {"S1", "pw-u01", 0},
      {"S1", "wrong", 25},
      {"S2", "pw-u01", 23},
      {"S3", "pw-u01", 23},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.server) + " " + c.password);
    servers_->use(c.server);
    SmtpClient client(socket_connector());
    EXPECT_EQ(client.login("127.0.0.1", "U one", "u01@mail.test", "u01", c.password, 10).code,
              c.code);
    EXPECT_EQ(client.logout(), c.code == 0);
  }
}

TEST_F(RealMail, Pop3LoginOutcomes) {
  servers_->use("S1");
  Pop3Client client(socket_connector());
  const int unknown = client.login("127.0.0.1", "nobody-here", "pw", false, false, 10).code;
  EXPECT_TRUE(unknown == 8 || unknown == 9) << unknown;
  EXPECT_EQ(client.login("127.0.0.1", "u01", "wrong", false, false, 10).code, 9);
  EXPECT_EQ(client.login("127.0.0.1", "u01", "pw-u01", false, false, 10).code, 0);
  EXPECT_TRUE(client.logout());
}

// What the SMTP client sends arrives as sent, and the POP3 client gets it
// back with CR LF line ends and its dots as they were.
TEST_F(RealMail, SentTextComesBackWhole) {
  NEED_SMTP();
  servers_->clear("u02");
  servers_->use("S1");
  SmtpClient smtp(socket_connector());
  ASSERT_EQ(smtp.login("127.0.0.1", "Ann", "ann@mail.test", "u02", "pw-u02", 10).code, 0);
  ASSERT_EQ(
      smtp.send("u02@mail.test", "", "u02@mail.test", "Dots", "a\n.\n.x\ncaf\xe9\n", "", "").code,
      0);
  smtp.logout();
  ASSERT_TRUE(servers_->await_messages("u02", 1));

  Pop3Client pop3(socket_connector());
  ASSERT_EQ(pop3.login("127.0.0.1", "u02", "pw-u02", false, false, 10).code, 0);
  std::string message;
  ASSERT_EQ(pop3.receive(keep(message)).code, 0);
  const auto body = message.find("\r\n\r\n");
  ASSERT_NE(body, std::string::npos);
  EXPECT_EQ(message.substr(body + 4), "a\r\n.\r\n.x\r\ncaf\xe9\r\n\r\n");
  EXPECT_EQ(message.find("Bcc"), std::string::npos);
  EXPECT_NE(message.find("\r\nTo: u02@mail.test\r\n"), std::string::npos);
  // The Bcc copy is the only one: the To entry and the Bcc entry are one
  // mailbox, which the server delivers once.
  EXPECT_EQ(pop3.receive(keep(message)).code, 11);
  pop3.logout();
}

TEST_F(RealMail, NewMessagesGoOnAfterWhatWasRead) {
  servers_->clear("u03");
  for (int i = 1; i <= 4; ++i) {
    servers_->deliver("u03", "m" + std::to_string(i),
                      "Subject: n" + std::to_string(i) + "\n\nbody " + std::to_string(i) + "\n");
  }
  servers_->use("S1");
  Pop3Client client(socket_connector());
  ASSERT_EQ(client.login("127.0.0.1", "u03", "pw-u03", true, false, 10).code, 0);
  long count = -1;
  ASSERT_EQ(client.count(count).code, 0);
  EXPECT_EQ(count, 4);
  std::string message;
  ASSERT_EQ(client.receive(keep(message)).code, 0);
  ASSERT_EQ(client.receive(keep(message)).code, 0);
  EXPECT_NE(message.find("body 2"), std::string::npos);
  client.logout();

  ASSERT_EQ(client.login("127.0.0.1", "u03", "pw-u03", true, false, 10).code, 0);
  EXPECT_EQ(client.last_taken(), 2);
  ASSERT_EQ(client.count(count).code, 0);
  EXPECT_EQ(count, 2);
  ASSERT_EQ(client.receive(keep(message)).code, 0);
  EXPECT_NE(message.find("body 3"), std::string::npos);
  client.logout();
}

TEST_F(RealMail, WithoutLastCountIsStat) {
  servers_->clear("nolast1");
  for (int i = 1; i <= 3; ++i)
    servers_->deliver("nolast1", "m" + std::to_string(i), "Subject: x\n\nb\n");
  servers_->use("S1");
  Pop3Client client(socket_connector());
  ASSERT_EQ(client.login("127.0.0.1", "nolast1", "pw-nolast1", true, false, 10).code, 0);
  long count = -1;
  EXPECT_EQ(client.count(count).code, 0);
  EXPECT_EQ(count, 3);
  std::string message;
  EXPECT_EQ(client.receive(keep(message)).code, 0);
  EXPECT_NE(message.find("Subject: x"), std::string::npos);
  client.logout();
}

// A message whose DATA phase is cut is not delivered, not even queued, and
// a second send arrives once.
TEST_F(RealMail, CutMessageIsNotDelivered) {
  NEED_SMTP();
  servers_->clear("u04");
  FaultProxy proxy(std::stoi((*servers_)["SMTP_S2_PORT"]), FaultProxy::Direction::kToServer, 2000,
                   FaultProxy::Fault::kCut);
  route_to(proxy.port());
  const std::string text(20000, 'z');
  SmtpClient client(socket_connector());
  ASSERT_EQ(client.login("127.0.0.1", "Ann", "ann@mail.test", "", "", 10).code, 0);
  EXPECT_EQ(client.send("u04@mail.test", "", "", "Cut", text, "", "").code, 10);
  EXPECT_FALSE(client.is_open());
  std::this_thread::sleep_for(std::chrono::seconds(1));
  // A loaded machine may still be dropping the aborted transaction: once the
  // queue holds nothing for its recipient, nothing of it is in flight, and
  // nothing may have arrived. Other cases' messages may be queued meanwhile.
  std::string error;
  std::optional<std::size_t> queued;
  for (int i = 0; i < 100; ++i) {
    queued = servers_->queued_for("u04@mail.test", error);
    if (!queued || *queued == 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  ASSERT_TRUE(queued) << error;
  EXPECT_EQ(*queued, 0u);
  EXPECT_TRUE(servers_->messages("u04").empty());

  servers_->use("S2");
  ASSERT_EQ(client.login("127.0.0.1", "Ann", "ann@mail.test", "", "", 10).code, 0);
  EXPECT_EQ(client.send("u04@mail.test", "", "", "Again", text, "", "").code, 0);
  client.logout();
  ASSERT_TRUE(servers_->await_messages("u04", 1));
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(servers_->messages("u04").size(), 1u);
}

// The servers keep to their folder: the users file and the auth socket are
// their owner's alone, and the system's mail programs were left as they
// were (their status changes before the servers started).
TEST_F(RealMail, ServersKeepToTheirFolder) {
  const std::filesystem::path dir = std::getenv("QN_MAIL_SERVERS_DIR");
  for (const auto& f : {dir / "pop3" / "users", dir / "pop3" / "run" / "auth-client"}) {
    struct stat st {};
    ASSERT_EQ(::stat(f.c_str(), &st), 0) << f;
    EXPECT_EQ(st.st_mode & 07777, 0600u) << f;
  }
  NEED_SMTP();
  struct stat env {};
  ASSERT_EQ(::stat((dir / "env").c_str(), &env), 0);
  for (const char* program : {"postdrop", "postqueue"}) {
    const std::string path = "/usr/sbin/" + std::string(program);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) continue;
    EXPECT_LT(st.st_ctim.tv_sec, env.st_mtim.tv_sec) << path << " changed by the fixture";
  }
}

// A queue that cannot be read is an error, never an empty queue.
TEST(RealServersQueue, FailingPostqueueIsAnError) {
  const auto missing = std::filesystem::path(::testing::TempDir()) / "no_such_queue";
  RealServers servers({{"QUEUE_CONFIG", missing.string()}});
  std::string error;
  EXPECT_EQ(servers.queued_for("u04@mail.test", error), std::nullopt);
  EXPECT_NE(error, "");
}

// A receive with Delete that fails midway, or whose attachment could not be
// saved, leaves the message whole on the server.
TEST_F(RealMail, FailedReceiveKeepsTheMessage) {
  const std::string text = "Subject: keep\r\n\r\n" + std::string(6000, 'k') + "\r\n";
  const struct {
    const char* name;
    const char* user;
    FaultProxy::Fault fault;  // ignored when parse_code is set
    int parse_code;
    int code;
  } cases[] = {
      {"cut", "u05", FaultProxy::Fault::kCut, 0, 21},
      {"stalled", "u06", FaultProxy::Fault::kStall, 0, 20},
      {"attachment not saved", "u07", FaultProxy::Fault::kCut, 16, 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    servers_->clear(c.user);
    servers_->deliver(c.user, "m1", text);
    {
      FaultProxy proxy(std::stoi((*servers_)["POP3_PORT"]), FaultProxy::Direction::kToClient,
                       c.parse_code ? 1 << 30 : 1000, c.fault);
      route_to(proxy.port());
      Pop3Client client(socket_connector());
      ASSERT_EQ(client.login("127.0.0.1", c.user, std::string("pw-") + c.user, false, true, 1).code,
                0);
      std::string message;
      EXPECT_EQ(client.receive(keep(message, c.parse_code)).code, c.code);
      client.logout();
    }
    servers_->use("S1");
    Pop3Client client(socket_connector());
    ASSERT_EQ(client.login("127.0.0.1", c.user, std::string("pw-") + c.user, false, true, 10).code,
              0);
    std::string message;
    ASSERT_EQ(client.receive(keep(message)).code, 0);
    EXPECT_EQ(message, text);
    client.logout();
  }
}

// A BSTR argument that frees itself.
struct Text {
  explicit Text(const std::string& s) : b(com::bstr_from_1252(s)) {}
  ~Text() { com::SysFreeString(b); }
  operator com::BSTR() const { return b; }
  com::BSTR b;
};

struct Received {
  std::string from, to, cc, subject, text, attachs;
  double sent = 0, received = 0;
  short error = -1;
};

Received receive(IQnMail* mail) {
  com::BSTR v[6] = {};
  Received r;
  mail->Receive(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &r.sent, &r.received, &r.error);
  std::string* out[] = {&r.from, &r.to, &r.cc, &r.subject, &r.text, &r.attachs};
  for (int i = 0; i < 6; ++i) {
    *out[i] = com::text_1252_of(v[i]);
    com::SysFreeString(v[i]);
  }
  return r;
}

// The server's Date header of a delivered message as an automation date.
double server_date(const std::string& file_text) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const auto at = file_text.find("\nDate: ");
  if (at == std::string::npos) return -1;
  std::istringstream in(file_text.substr(at + 7, file_text.find('\n', at + 1) - at - 7));
  std::string weekday, month;
  int day = 0, year = 0;
  in >> weekday >> day >> month >> year;
  for (int m = 0; m < 12; ++m) {
    if (month == kMonths[m]) {
      return automation_date(std::to_string(day) + "/" + std::to_string(m + 1) + "/" +
                             std::to_string(year));
    }
  }
  return -1;
}

// A message with awkward text and four attachments goes out through S1 with
// AUTH LOGIN to two To, a Cc and a Bcc, and each copy comes back through the
// facade in one AddressFormat, files byte for byte.
TEST_F(RealMail, RoundTripThroughTheFacade) {
  NEED_SMTP();
  const std::vector<std::string> users = {"u10", "u11", "u12", "u13"};
  for (const auto& u : users) servers_->clear(u);
  const auto dir =
      std::filesystem::path(::testing::TempDir()) / ("qn_round_trip_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "out");
  std::string big(1 << 20, '\0');
  std::mt19937 rng(11);
  for (char& c : big) c = static_cast<char>(rng());
  const std::map<std::string, std::string> files = {
      {"big.bin", big},
      {"empty.bin", ""},
      {"back.bin", "through a backslash path\n"},
      {"bare.bin", std::string("bare\0name\r\n", 12)}};
  for (const auto& [name, bytes] : files) std::ofstream(dir / name, std::ios::binary) << bytes;
  std::string back = (dir / "back.bin").string();
  std::replace(back.begin(), back.end(), '/', '\\');

  servers_->use("S1");
  IQnMail* mail = nullptr;
  ASSERT_EQ(CQnMail::create<CQnMail>(nullptr, IID_IQnMail, reinterpret_cast<void**>(&mail)),
            com::S_OK);
  mail->put_Mode(Text("I"));
  SHORT e = -1;
  mail->LoginSMTP(Text("127.0.0.1"), Text("Ann Example"), Text("ann@mail.test"), Text("u10"),
                  Text("pw-u10"), 10, &e);
  ASSERT_EQ(e, 0);
  mail->put_AttachDir(Text(dir.string()));
  const std::string text = "Hello\n.\n.x\ncaf\xe9 \x80 \xfc\nend";
  mail->Send(Text("u10@mail.test; u11@mail.test"), Text("u12@mail.test"), Text("u13@mail.test"),
             Text("Round trip \xe9"), Text(text),
             Text((dir / "big.bin").string() + "; " + (dir / "empty.bin").string() + "; " + back +
                  "; bare.bin"),
             &e);
  ASSERT_EQ(e, 0);
  mail->Logout(&e);

  const struct {
    const char* user;
    short format;
    const char* from;
    const char* to;
    const char* cc;
  } copies[] = {
      {"u10", 0, "Ann Example", "u10@mail.test; u11@mail.test", "u12@mail.test"},
      {"u11", 1, "ann@mail.test", "u10@mail.test; u11@mail.test", "u12@mail.test"},
      {"u12", 2, "Ann Example (ann@mail.test)",
       "u10@mail.test (u10@mail.test); u11@mail.test (u11@mail.test)",
       "u12@mail.test (u12@mail.test)"},
      {"u13", 2, "Ann Example (ann@mail.test)",
       "u10@mail.test (u10@mail.test); u11@mail.test (u11@mail.test)",
       "u12@mail.test (u12@mail.test)"},
  };
  for (const auto& c : copies) {
    SCOPED_TRACE(c.user);
    ASSERT_TRUE(servers_->await_messages(c.user, 1));
    const std::string delivered = read_file(servers_->messages(c.user).at(0));
    const std::string header_block = delivered.substr(0, delivered.find("\n\n"));
    EXPECT_EQ(header_block.find("\nBcc:"), std::string::npos);
    EXPECT_NE(header_block.find("\nCc: u12@mail.test\n"), std::string::npos);
    const auto out = dir / "out" / c.user;
    std::filesystem::create_directories(out);
    mail->put_AddressFormat(c.format);
    mail->put_AttachDir(Text(out.string()));
    mail->LoginPOP3(Text("127.0.0.1"), Text(c.user), Text(std::string("pw-") + c.user), 0, 1, 10,
                    &e);
    ASSERT_EQ(e, 0);
    const Received r = receive(mail);
    ASSERT_EQ(r.error, 0);
    EXPECT_EQ(r.from, c.from);
    EXPECT_EQ(r.to, c.to);
    EXPECT_EQ(r.cc, c.cc);
    EXPECT_EQ(r.subject, "Round trip \xe9");
    EXPECT_EQ(r.text, "Hello\r\n.\r\n.x\r\ncaf\xe9 \x80 \xfc\r\nend\r\n\r\n");
    EXPECT_EQ(r.attachs, "big.bin; empty.bin; back.bin; bare.bin");
    EXPECT_EQ(r.sent, server_date(delivered));
    EXPECT_EQ(r.received, r.sent);
    for (const auto& [name, bytes] : files) EXPECT_TRUE(read_file(out / name) == bytes) << name;
    mail->Logout(&e);
    EXPECT_TRUE(servers_->messages(c.user).empty());  // deleted after a clean receive
  }
  mail->Release();
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace qn::office
