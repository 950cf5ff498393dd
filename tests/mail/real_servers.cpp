#include "tests/mail/real_servers.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace qn::office::testing_support {

std::optional<RealServers> RealServers::load(std::string& reason) {
  const char* dir = std::getenv("QN_MAIL_SERVERS_DIR");
  if (!dir || !*dir) {
    reason = "QN_MAIL_SERVERS_DIR is not set (the mail_servers fixture runs under ctest)";
    return std::nullopt;
  }
  std::ifstream in(std::filesystem::path(dir) / "env");
  if (!in) {
    reason = std::string("the mail servers did not start: no ") + dir + "/env";
    return std::nullopt;
  }
  RealServers s;
  for (std::string line; std::getline(in, line);) {
    const auto eq = line.find('=');
    if (eq != std::string::npos) s.env_[line.substr(0, eq)] = line.substr(eq + 1);
  }
  reason = s.env_["SMTP_REASON"];
  return s;
}

void RealServers::use(const std::string& smtp_server) const {
  ::setenv("QN_SERVICES_FILE", env_.at("SERVICES_" + smtp_server).c_str(), 1);
}

std::filesystem::path RealServers::maildir(const std::string& user) const {
  return std::filesystem::path(env_.at("MAIL_DIR")) / user / "Maildir";
}

std::vector<std::filesystem::path> RealServers::messages(const std::string& user) const {
  std::vector<std::filesystem::path> out;
  for (const char* sub : {"new", "cur"}) {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(maildir(user) / sub, ec)) {
      out.push_back(e.path());
    }
  }
  return out;
}

bool RealServers::await_messages(const std::string& user, std::size_t n) const {
  for (int i = 0; i < 100; ++i) {
    if (messages(user).size() >= n) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

void RealServers::clear(const std::string& user) const {
  for (const auto& p : messages(user)) std::filesystem::remove(p);
  std::error_code ec;
  for (const char* f :
       {"dovecot-uidlist", "dovecot.index", "dovecot.index.cache", "dovecot.index.log"}) {
    std::filesystem::remove(maildir(user) / f, ec);
  }
}

void RealServers::deliver(const std::string& user, const std::string& name,
                          const std::string& text) const {
  const auto tmp = maildir(user) / "tmp" / name;
  std::ofstream(tmp, std::ios::binary) << text;
  struct stat st {};
  if (::stat(maildir(user).c_str(), &st) == 0) {
    [[maybe_unused]] const int r = ::chown(tmp.c_str(), st.st_uid, st.st_gid);
  }
  std::filesystem::rename(tmp, maildir(user) / "new" / name);
}

std::optional<std::size_t> RealServers::queued_for(const std::string& address,
                                                   std::string& error) const {
  const std::string cmd = "postqueue -c '" + env_.at("QUEUE_CONFIG") + "' -j 2>&1";
  std::string out;
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) {
    error = "postqueue could not be started";
    return std::nullopt;
  }
  std::array<char, 4096> buf;
  for (std::size_t n; (n = std::fread(buf.data(), 1, buf.size(), p)) > 0;) {
    out.append(buf.data(), n);
  }
  const int status = ::pclose(p);
  if (status != 0) {
    error = "postqueue failed (status " + std::to_string(status) + "): " + out;
    return std::nullopt;
  }
  // One message a line, as a JSON object naming its recipients; anything
  // else is an error message.
  std::size_t count = 0;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty()) continue;
    if (line[0] != '{') {
      error = "postqueue: " + out;
      return std::nullopt;
    }
    if (line.find("\"" + address + "\"") != std::string::npos) ++count;
  }
  return count;
}

}  // namespace qn::office::testing_support
