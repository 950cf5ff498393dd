#include "platform/message_queue.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/event.h"

namespace qn::platform {
namespace {

struct Counted : MessagePayload {
  explicit Counted(int* live) : live_(live) { ++*live_; }
  ~Counted() override { --*live_; }
  int* live_;
};

TEST(MessageQueue, InOrderAcrossThreadsAndUnhandledPayloadsAreFreed) {
  int live = 0;
  {
    MessageQueue q;
    std::thread sender([&] {
      for (unsigned i = 0; i < 100; ++i) q.post(0x400 + i, i);
    });
    Message m;
    for (unsigned i = 0; i < 100; ++i) {
      ASSERT_TRUE(q.wait_get(m, std::chrono::milliseconds(2000)));
      EXPECT_EQ(m.id, 0x400 + i);
      EXPECT_EQ(m.wparam, static_cast<int64_t>(i));
    }
    sender.join();
    EXPECT_FALSE(q.wait_get(m, std::chrono::milliseconds(20)));
    q.post(1, 0, std::make_unique<Counted>(&live));
    q.post(2, 0, std::make_unique<Counted>(&live));
    EXPECT_EQ(live, 2);
  }
  EXPECT_EQ(live, 0);
}

TEST(Event, ManualResetWakesWaiters) {
  Event e;
  EXPECT_FALSE(e.wait_for(std::chrono::milliseconds(10)));
  std::thread t([&] { e.set(); });
  e.wait();
  t.join();
  EXPECT_TRUE(e.wait_for(std::chrono::milliseconds(0)));  // stays set
  e.reset();
  EXPECT_FALSE(e.is_set());
}

}  // namespace
}  // namespace qn::platform
