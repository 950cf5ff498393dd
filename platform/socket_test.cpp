#include "platform/socket.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace qn::platform {
namespace {

// A listening socket on 127.0.0.1 with a port from the system.
struct Listener {
  int fd = -1;
  int port = 0;
  Listener() {
    fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(fd, 4);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
  }
  ~Listener() { ::close(fd); }
  int accept() const { return ::accept(fd, nullptr, nullptr); }
};

TEST(Socket, ServicesFileIsTheWholeDatabase) {
  const auto path = std::filesystem::path(testing::TempDir()) / "qn_socket_services";
  std::ofstream(path) << "# test services\n"
                         "smtp\t\t2525/tcp\tmail # comment\n"
                         "pop3 1110/udp\n"
                         "pop-3 1111/tcp pop3x\n"
                         "broken notaport/tcp\n";
  ::setenv("QN_SERVICES_FILE", path.c_str(), 1);
  const struct {
    const char* name;
    std::optional<int> port;
  } cases[] = {
      {"smtp", 2525},  {"mail", 2525},           {"pop3", std::nullopt}, {"pop-3", 1111},
      {"pop3x", 1111}, {"broken", std::nullopt}, {"http", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(service_port(c.name), c.port);
  }
  ::unsetenv("QN_SERVICES_FILE");
}

TEST(Socket, ConnectSendReceiveAndHangUp) {
  Listener server;
  const int fd = socket_connect("127.0.0.1", server.port, 1000);
  ASSERT_GE(fd, 0);
  const int peer = server.accept();
  ASSERT_GE(peer, 0);

  EXPECT_EQ(socket_wait(fd, 0), WaitResult::kTimeout);
  ASSERT_TRUE(socket_send_all(fd, "HELO x\r\n", 1000));
  char buf[64];
  EXPECT_EQ(::recv(peer, buf, sizeof buf, 0), 8);
  ::send(peer, "250 ok\r\n", 8, 0);
  EXPECT_EQ(socket_wait(fd, 1000), WaitResult::kReadable);
  EXPECT_EQ(socket_receive(fd, buf, sizeof buf), 8);

  // A peer that hung up: the end of the stream reads as 0, and sending
  // fails instead of raising SIGPIPE.
  ::close(peer);
  EXPECT_EQ(socket_wait(fd, 1000), WaitResult::kReadable);
  EXPECT_EQ(socket_receive(fd, buf, sizeof buf), 0);
  bool failed = false;
  for (int i = 0; i < 20 && !failed; ++i) failed = !socket_send_all(fd, "x", 100);
  EXPECT_TRUE(failed);
  socket_close(fd);
}

// "localhost" may resolve to ::1 first; with only 127.0.0.1 listening the
// connect goes on to the next address.
TEST(Socket, ConnectTriesEveryAddress) {
  Listener server;
  const int fd = socket_connect("localhost", server.port, 1000);
  EXPECT_GE(fd, 0);
  socket_close(fd);
}

TEST(Socket, ConnectFailures) {
  int closed_port;
  {
    Listener gone;
    closed_port = gone.port;
  }
  EXPECT_EQ(socket_connect("127.0.0.1", closed_port, 1000), -1);
  EXPECT_EQ(socket_connect("no-such-host.invalid", 25, 1000), -1);
}

TEST(Socket, HostNameSeam) {
  EXPECT_FALSE(local_host_name().empty());
  set_host_name_for_tests([] { return std::string("client.test"); });
  EXPECT_EQ(local_host_name(), "client.test");
  set_host_name_for_tests(nullptr);
  EXPECT_NE(local_host_name(), "client.test");
}

}  // namespace
}  // namespace qn::platform
