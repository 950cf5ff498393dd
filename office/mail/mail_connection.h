// The byte stream between a mail client and its server. The clients talk
// only to this interface: the real one is a TCP socket of the platform layer;
// the scripted one in memory serves unit tests and fuzzing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/socket.h"

namespace qn::office {

class MailConnection {
 public:
  virtual ~MailConnection() = default;
  // Sends all bytes; false when the stream failed or the peer took nothing
  // for timeout_ms (negative: no limit).
  virtual bool send(std::string_view bytes, int timeout_ms) = 0;
  // Waits at most timeout_ms (negative: no limit) until bytes or the end of
  // the stream can be read.
  virtual platform::WaitResult wait(int timeout_ms) = 0;
  // One receive: the count, 0 at the end of the stream, -1 on failure.
  virtual long receive(char* buffer, std::size_t size) = 0;
};

// Opens a connection to host:port within timeout_ms, or returns null.
using MailConnector = std::function<std::unique_ptr<MailConnection>(const std::string& host,
                                                                    int port, int timeout_ms)>;

// The connector of real TCP sockets.
MailConnector socket_connector();

}  // namespace qn::office
