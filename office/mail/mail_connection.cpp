#include "office/mail/mail_connection.h"

namespace qn::office {
namespace {

class SocketConnection final : public MailConnection {
 public:
  explicit SocketConnection(int fd) : fd_(fd) {}
  ~SocketConnection() override { platform::socket_close(fd_); }
  SocketConnection(const SocketConnection&) = delete;
  SocketConnection& operator=(const SocketConnection&) = delete;

  bool send(std::string_view bytes, int timeout_ms) override {
    return platform::socket_send_all(fd_, bytes, timeout_ms);
  }
  platform::WaitResult wait(int timeout_ms) override {
    return platform::socket_wait(fd_, timeout_ms);
  }
  long receive(char* buffer, std::size_t size) override {
    return platform::socket_receive(fd_, buffer, size);
  }

 private:
  int fd_;
};

}  // namespace

MailConnector socket_connector() {
  return [](const std::string& host, int port, int timeout_ms) -> std::unique_ptr<MailConnection> {
    const int fd = platform::socket_connect(host, port, timeout_ms);
    if (fd < 0) return nullptr;
    return std::make_unique<SocketConnection>(fd);
  };
}

}  // namespace qn::office
