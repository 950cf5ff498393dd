// Prints N ports that the system hands out for 127.0.0.1, one a line. All
// are held until every one was found, so they differ.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 1;
  std::vector<int> fds;
  for (int i = 0; i < n && i < 64; ++i) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
      return 1;
    }
    fds.push_back(fd);
    std::printf("%d\n", ntohs(a.sin_port));
  }
  for (int fd : fds) ::close(fd);
  return 0;
}
