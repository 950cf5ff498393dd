// Messages posted between threads, as a window's message queue: any thread
// posts, one thread takes them in order. A message may carry an owned
// payload (the heap copy of a text, a record); a payload that is never
// handled is freed with the queue.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

namespace qn::platform {

struct MessagePayload {
  virtual ~MessagePayload() = default;
};

struct Message {
  unsigned id = 0;
  int64_t wparam = 0;
  std::unique_ptr<MessagePayload> payload;
};

class MessageQueue {
 public:
  MessageQueue();
  ~MessageQueue();
  MessageQueue(const MessageQueue&) = delete;
  MessageQueue& operator=(const MessageQueue&) = delete;

  void post(unsigned id, int64_t wparam = 0, std::unique_ptr<MessagePayload> payload = nullptr);
  // Takes the oldest message; false when there is none.
  bool try_get(Message& out);
  // Waits up to `timeout` for a message; false on time-out.
  bool wait_get(Message& out, std::chrono::milliseconds timeout);
  // A descriptor that is readable while messages are pending (for waiting
  // on the queue together with other input).
  int wait_fd() const { return pipe_[0]; }
  size_t size() const;

 private:
  mutable std::mutex mutex_;
  std::deque<Message> messages_;
  int pipe_[2] = {-1, -1};
};

}  // namespace qn::platform
