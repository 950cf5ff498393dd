// The real mail servers that `mail_servers` runs: their ports and folders
// from DIR/env (DIR named by QN_MAIL_SERVERS_DIR), and small helpers over the
// mailboxes.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qn::office::testing_support {

class RealServers {
 public:
  // None when the servers are not running; why goes to reason.
  static std::optional<RealServers> load(std::string& reason);
  // Over the given settings, as DIR/env would give them.
  explicit RealServers(std::map<std::string, std::string> env = {}) : env_(std::move(env)) {}

  const std::string& operator[](const std::string& key) const { return env_.at(key); }
  bool smtp() const { return env_.at("SMTP") == "yes"; }
  // Makes the named SMTP server ("S1", "S2", "S3") and the POP3 server the
  // services "smtp" and "pop3" of this process.
  void use(const std::string& smtp_server) const;
  std::filesystem::path maildir(const std::string& user) const;
  // The files of the user's mailbox (new and cur).
  std::vector<std::filesystem::path> messages(const std::string& user) const;
  // Waits until the mailbox holds at least n messages, at most 10 s.
  bool await_messages(const std::string& user, std::size_t n) const;
  // Empties the mailbox.
  void clear(const std::string& user) const;
  // Puts a message into the mailbox as the server's user.
  void deliver(const std::string& user, const std::string& name, const std::string& text) const;
  // How many messages the SMTP server's queue holds for a recipient
  // address; none, with the reason in error, when postqueue fails.
  std::optional<std::size_t> queued_for(const std::string& address, std::string& error) const;

 private:
  std::map<std::string, std::string> env_;
};

}  // namespace qn::office::testing_support
