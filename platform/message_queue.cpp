#include "platform/message_queue.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace qn::platform {

MessageQueue::MessageQueue() {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
    throw std::runtime_error("message queue: pipe failed");
}

MessageQueue::~MessageQueue() {
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void MessageQueue::post(unsigned id, int64_t wparam, std::unique_ptr<MessagePayload> payload) {
  std::lock_guard lock(mutex_);
  bool was_empty = messages_.empty();
  messages_.push_back(Message{id, wparam, std::move(payload)});
  if (was_empty) {
    char c = 1;
    // The pipe holds at most one byte: it only says "not empty".
    while (::write(pipe_[1], &c, 1) < 0 && errno == EINTR) {
    }
  }
}

bool MessageQueue::try_get(Message& out) {
  std::lock_guard lock(mutex_);
  if (messages_.empty()) return false;
  out = std::move(messages_.front());
  messages_.pop_front();
  if (messages_.empty()) {
    char buf[16];
    while (::read(pipe_[0], buf, sizeof buf) > 0) {
    }
  }
  return true;
}

bool MessageQueue::wait_get(Message& out, std::chrono::milliseconds timeout) {
  if (try_get(out)) return true;
  pollfd p{pipe_[0], POLLIN, 0};
  int rc = ::poll(&p, 1, static_cast<int>(timeout.count()));
  if (rc <= 0) return false;
  return try_get(out);
}

size_t MessageQueue::size() const {
  std::lock_guard lock(mutex_);
  return messages_.size();
}

}  // namespace qn::platform
