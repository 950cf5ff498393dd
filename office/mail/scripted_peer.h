// A mail server in memory for unit tests and fuzzing: it plays a script of
// replies and records every byte the client sends. The first step is the
// greeting and goes out at connect; each later step goes out when the client
// waits for a reply after having sent something.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "office/mail/mail_connection.h"

namespace qn::office {

struct PeerStep {
  enum class Kind {
    kReply,   // the pieces, each delivered by its own receive
    kStall,   // nothing more arrives: every wait times out
    kHangUp,  // the peer closes the stream (after the pieces, if any)
  };
  Kind kind = Kind::kReply;
  std::vector<std::string> pieces;
};

PeerStep reply(std::string text);
PeerStep pieces(std::vector<std::string> parts);
PeerStep stall();
PeerStep hang_up(std::vector<std::string> parts = {});

class ScriptedPeer {
 public:
  explicit ScriptedPeer(std::vector<PeerStep> script = {});

  // Steps played after the current ones.
  void add(PeerStep step);
  // The connector: each connect opens the peer again (the script goes on),
  // unless refuse_connect is set.
  MailConnector connector();

  bool refuse_connect = false;
  // Real time each piece takes to arrive; a wait shorter than that sleeps
  // through and times out.
  int piece_delay_ms = 0;
  // Every byte the client sent, all connections together.
  std::string sent;
  // The ports asked for, in order.
  std::vector<int> ports;
  // Connects that succeeded.
  int connects = 0;

 private:
  friend class ScriptedConnection;
  void release_next();

  std::deque<PeerStep> script_;
  std::deque<std::string> incoming_;
  bool closed_ = false;
  bool stalled_ = false;
  bool client_spoke_ = false;
};

}  // namespace qn::office
