#include "office/mail/scripted_peer.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace qn::office {

PeerStep reply(std::string text) { return {PeerStep::Kind::kReply, {std::move(text)}}; }
PeerStep pieces(std::vector<std::string> parts) {
  return {PeerStep::Kind::kReply, std::move(parts)};
}
PeerStep stall() { return {PeerStep::Kind::kStall, {}}; }
PeerStep hang_up(std::vector<std::string> parts) {
  return {PeerStep::Kind::kHangUp, std::move(parts)};
}

class ScriptedConnection final : public MailConnection {
 public:
  explicit ScriptedConnection(std::shared_ptr<ScriptedPeer> peer) : peer_(std::move(peer)) {}

  bool send(std::string_view bytes, int) override {
    if (peer_->closed_) return false;
    peer_->sent.append(bytes);
    peer_->client_spoke_ = true;
    return true;
  }
  platform::WaitResult wait(int ms) override {
    ScriptedPeer& p = *peer_;
    if (p.incoming_.empty() && !p.closed_ && !p.stalled_ && p.client_spoke_) p.release_next();
    if (!p.incoming_.empty() && p.piece_delay_ms > 0) {
      const bool in_time = ms < 0 || ms >= p.piece_delay_ms;
      std::this_thread::sleep_for(std::chrono::milliseconds(in_time ? p.piece_delay_ms : ms));
      if (!in_time) return platform::WaitResult::kTimeout;
    }
    if (!p.incoming_.empty() || p.closed_) return platform::WaitResult::kReadable;
    return platform::WaitResult::kTimeout;
  }
  long receive(char* buffer, std::size_t size) override {
    ScriptedPeer& p = *peer_;
    if (p.incoming_.empty()) return p.closed_ ? 0 : -1;
    std::string& front = p.incoming_.front();
    const std::size_t n = std::min(size, front.size());
    std::memcpy(buffer, front.data(), n);
    front.erase(0, n);
    if (front.empty()) p.incoming_.pop_front();
    return static_cast<long>(n);
  }

 private:
  std::shared_ptr<ScriptedPeer> peer_;
};

ScriptedPeer::ScriptedPeer(std::vector<PeerStep> script) : script_(script.begin(), script.end()) {}

void ScriptedPeer::add(PeerStep step) { script_.push_back(std::move(step)); }

void ScriptedPeer::release_next() {
  client_spoke_ = false;
  if (script_.empty()) {
    closed_ = true;
    return;
  }
  PeerStep step = std::move(script_.front());
  script_.pop_front();
  for (auto& piece : step.pieces) {
    if (!piece.empty()) incoming_.push_back(std::move(piece));
  }
  if (step.kind == PeerStep::Kind::kStall) stalled_ = true;
  if (step.kind == PeerStep::Kind::kHangUp) closed_ = true;
}

MailConnector ScriptedPeer::connector() {
  // The peer outlives the connector's copies only through the test that owns
  // it; the connections share it so that a test sees every byte.
  return [this](const std::string&, int port, int) -> std::unique_ptr<MailConnection> {
    ports.push_back(port);
    if (refuse_connect) return nullptr;
    ++connects;
    incoming_.clear();
    closed_ = stalled_ = client_spoke_ = false;
    release_next();
    return std::make_unique<ScriptedConnection>(
        std::shared_ptr<ScriptedPeer>(this, [](ScriptedPeer*) {}));
  };
}

}  // namespace qn::office
