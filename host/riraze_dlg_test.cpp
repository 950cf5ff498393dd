#include "host/riraze_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <ostream>
#include <thread>

#include "host/dialog.h"
#include "host/running_dialog_test.h"
#include "platform/message_box.h"
#include "platform/resource_library.h"

namespace qn::host {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

TEST(ProgressDialog, ShowsPostedMessagesAndFreesTheirCopies) {
  RunningDialog d;
  set_dialog_title("Quenora Java Generator");
  set_progress_text("Generating Customer");
  set_step_range(3);
  progress_step();
  progress_step();
  set_progress_total(2);
  add_progress_object("Transaction", "Customer", "Customers of the shop");
  show_status_printf("Copying %s...\n", "a.jar");
  clear_status();
  const auto& log = d.stop();
  EXPECT_THAT(log.events, ElementsAre("title:Quenora Java Generator", "step:Generating Customer",
                                      "objects:0/3", "objects:1/3", "objects:2/3", "files:0/2",
                                      "row:Customer|Customers of the shop|Transaction", "files:1/2",
                                      "action:Copying a.jar...\n", "action: "));
  EXPECT_TRUE(log.closed);
  EXPECT_EQ(live_dialog_message_copies(), 0);
  EXPECT_FALSE(CRirazeDlg::exists());
  // With the dialog gone, a sender's copy is freed at once.
  set_progress_text("late");
  add_progress_object("a", "b", "c");
  EXPECT_EQ(live_dialog_message_copies(), 0);
}

TEST(ProgressDialog, StatusFromANumberedMessage) {
  platform::set_resource_library(platform::ResourceLibrary::load(QN_PROGRAM_DIR, "qnresc32"));
  RunningDialog d;
  status_printf_id(62212, "", 250);
  status_printf_id(12345, 1);
  platform::set_resource_library(nullptr);
  EXPECT_THAT(
      d.stop().events,
      ElementsAre(
          "action:Too little free disk space on the current drive: at least 250 KB are needed.",
          "action:Msg  12345: Text not available"));
}

TEST(ProgressDialog, BarsStopAtTheirRange) {
  RunningDialog d;
  set_step_range(1);
  progress_step();
  progress_step();
  EXPECT_THAT(d.stop().events, ElementsAre("objects:0/1", "objects:1/1", "objects:1/1"));
}

TEST(ProgressDialog, TimerShowsTheLineCount) {
  set_line_count(42);
  RunningDialog d;
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  set_line_count(0);
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  EXPECT_THAT(d.stop().events, ElementsAre("line:Line:42", "line:"));
}

TEST(ProgressDialog, ErrorBoxIsSynchronous) {
  std::atomic<bool> box_closed{false};
  RunningDialog d(true, nullptr, [&](std::string_view) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    box_closed = true;
  });
  int result = 0;
  std::thread generator([&] { result = ShowGenerationError("Operation cancelled by user"); });
  generator.join();
  EXPECT_TRUE(box_closed);  // the sender waited until the box was closed
  EXPECT_EQ(result, 1);
  EXPECT_THAT(d.stop().errors, ElementsAre("Operation cancelled by user"));
  EXPECT_EQ(live_dialog_message_copies(), 0);
}

TEST(ProgressDialog, ErrorWithoutDialogIsAPlainBox) {
  std::vector<std::string> boxes;
  auto previous = platform::set_message_box_hook([&](std::string_view text,
                                                     std::string_view caption, unsigned flags) {
    boxes.push_back(std::string(caption) + "|" + std::string(text) + "|" + std::to_string(flags));
    return platform::kIdOk;
  });
  EXPECT_EQ(ShowGenerationError("General Exception"), 1);
  platform::set_message_box_hook(previous);
  EXPECT_THAT(boxes, ElementsAre("Generation Error|General Exception|48"));
}

struct CancelCase {
  const char* name;
  bool answer;
  int running;  // what the cancel request answers
  int expect_requests;
  bool expect_end;  // the dialog ends by itself
};

// The case's name in test listings and failures, in place of its raw bytes.
void PrintTo(const CancelCase& c, std::ostream* out) { *out << c.name; }

class DialogCancel : public ::testing::TestWithParam<CancelCase> {};

TEST_P(DialogCancel, AsksAndActs) {
  const CancelCase& c = GetParam();
  std::atomic<int> requests{0};
  RunningDialog d(c.answer, [&] {
    ++requests;
    return c.running;
  });
  d.dialog().PostCancel();
  if (c.expect_end) {
    d.join();
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(CRirazeDlg::exists());
  }
  const auto& log = d.stop();
  EXPECT_EQ(log.cancel_questions, 1);
  EXPECT_EQ(requests, c.expect_requests);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogCancel,
    ::testing::Values(CancelCase{"no_changes_nothing", false, 0, 0, false},
                      CancelCase{"yes_while_idle_ends_the_dialog", true, 0, 1, true},
                      CancelCase{"yes_while_running_keeps_the_dialog", true, 1, 1, false}),
    [](const auto& test_case) { return std::string(test_case.param.name); });

}  // namespace
}  // namespace qn::host
