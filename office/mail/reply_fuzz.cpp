// Fuzz target: server bytes fed to the SMTP and the POP3 client. The input
// is cut at NUL bytes into replies, and each reply at 0x01 bytes into the
// pieces in which it arrives; a reply "\x02" stalls and "\x03" hangs up.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "office/mail/pop3_client.h"
#include "office/mail/scripted_peer.h"
#include "office/mail/smtp_client.h"

namespace {

std::vector<qn::office::PeerStep> script_of(std::string_view data) {
  std::vector<qn::office::PeerStep> steps;
  for (;;) {
    const auto end = data.find('\0');
    const std::string_view chunk = data.substr(0, end);
    if (chunk == "\x02") {
      steps.push_back(qn::office::stall());
    } else if (chunk == "\x03") {
      steps.push_back(qn::office::hang_up());
    } else {
      std::vector<std::string> parts;
      std::string_view rest = chunk;
      for (;;) {
        const auto cut = rest.find('\x01');
        parts.emplace_back(rest.substr(0, cut));
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + 1);
      }
      steps.push_back(qn::office::pieces(std::move(parts)));
    }
    if (end == std::string_view::npos) break;
    data.remove_prefix(end + 1);
  }
  return steps;
}

}  // namespace

// The services file of the run, in the temporary folder, removed at exit.
std::string services_path;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  services_path = (std::filesystem::temp_directory_path() / "qn_reply_fuzz_servicesXXXXXX").string();
  const int fd = ::mkstemp(services_path.data());
  if (fd >= 0) {
    FILE* f = ::fdopen(fd, "w");
    std::fputs("smtp 2525/tcp\npop3 1110/tcp\n", f);
    std::fclose(f);
    ::setenv("QN_SERVICES_FILE", services_path.c_str(), 1);
    std::atexit([] { ::unlink(services_path.c_str()); });
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto split = input.find("\n\n\n");
  qn::office::ScriptedPeer smtp_peer(script_of(input.substr(0, split)));
  qn::office::ScriptedPeer pop3_peer(
      script_of(split == std::string_view::npos ? std::string_view{} : input.substr(split + 3)));

  qn::office::SmtpClient smtp(smtp_peer.connector());
  if (smtp.login("mx", "Ann", "a@t", "ann", "pw", 5).code == 0) {
    smtp.send("x@t; y@t", "c@t", "b@t", "Subject", "line\n.\n", "", "");
    smtp.send("x@t", "", "", "Again", "", "", "");
    smtp.logout();
  }
  qn::office::Pop3Client pop3(pop3_peer.connector());
  if (pop3.login("mx", "ann", "pw", true, true, 5).code == 0) {
    long count = 0;
    pop3.count(count);
    for (int i = 0; i < 3; ++i) {
      pop3.receive([](std::string_view) { return qn::office::MailResult{}; });
    }
    pop3.logout();
  }
  return 0;
}
