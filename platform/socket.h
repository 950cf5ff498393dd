// TCP stream sockets: the only socket calls of the program. Connect by host
// and service name, send all bytes, wait for data, receive, close, and the
// local host name. Sends never raise SIGPIPE, so a peer that hangs up cannot
// end the process (a Java virtual machine that loaded us included).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qn::platform {

// The port of a named TCP service. When QN_SERVICES_FILE is set, that file
// (in the services(5) format: "name port/proto aliases... # comment") is
// the whole database; otherwise the system's is asked. None when unlisted.
std::optional<int> service_port(std::string_view name);

// Connects to every address of host (a name or a numeric address) in the
// order the resolver gives them, until one accepts, all within timeout_ms
// (negative: no limit). The socket has TCP_NODELAY set. Returns the
// descriptor, or -1 when the name does not resolve or no address accepted.
int socket_connect(const std::string& host, int port, int timeout_ms);

// Sends all bytes. False on failure, or when the peer took nothing for
// timeout_ms (negative: no limit).
bool socket_send_all(int fd, std::string_view bytes, int timeout_ms);

enum class WaitResult { kReadable, kTimeout, kFailed };
// Waits until data (or the end of the stream) can be read.
WaitResult socket_wait(int fd, int timeout_ms);

// One receive of at most size bytes: the count, 0 when the peer closed the
// stream, -1 on failure.
long socket_receive(int fd, char* buffer, std::size_t size);

void socket_close(int fd);

// The local host name.
std::string local_host_name();
// Test seam: the host name answers what the function gives; an empty
// function restores the system's answer.
void set_host_name_for_tests(std::function<std::string()> name);

}  // namespace qn::platform
