// The generation run in-process: the engine is real, the knowledge base and
// the support-file copy are replaced by recorders, the entry predicate by
// test entries, and message boxes (the error box with no dialog, the
// engine's start-up box) are caught through the message-box hook.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>

#include "app/generation.h"
#include "app/generator_descriptor.h"
#include "config/properties/archive.h"
#include "host/error_log.h"
#include "host/run_state.h"
#include "platform/message_box.h"
#include "tests/run_control/subprocess.h"

namespace qn::app {
namespace {

namespace fs = std::filesystem;

struct Box {
  std::string text;
  std::string caption;
  unsigned flags;
};

struct Copy {
  std::string from, to, list;
  int show;
};

class RunControlGenerate : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_cwd_ = fs::current_path();
    fs::current_path(model_dir_.path());
    previous_hook_ = platform::set_message_box_hook(
        [this](std::string_view text, std::string_view caption, unsigned flags) {
          std::lock_guard lock(mutex_);
          boxes_.push_back({std::string(text), std::string(caption), flags});
          return platform::kIdOk;
        });
    set_current_generator(*find_generator_descriptor(11));

    services_.open_knowledge_base = [this](int model) {
      opened_.push_back(model);
      if (open_error_) throw host::CCTreeException(*open_error_);
      return 1;
    };
    services_.close_knowledge_base = [this] { ++closed_; };
    services_.copy_support_files = [this](const std::string& from, const std::string& to,
                                          const std::string& list, int show) {
      copies_.push_back({from, to, list, show});
      return 1;
    };
    services_.register_entries = [this](engine::Engine& e) { register_test_entries(e); };
    services_.program_dir = program_dir_.path() + "/";
  }

  void TearDown() override {
    platform::set_message_box_hook(previous_hook_);
    fs::current_path(saved_cwd_);
  }

  void register_test_entries(engine::Engine& e) {
    e.register_entry("test_ok", [this](engine::Engine&, std::span<const int64_t> args) {
      entered_ = true;
      entry_args_.assign(args.begin(), args.end());
      seen_state_ = host::run_state();
      return true;
    });
    e.register_entry("test_engine_error", [](engine::Engine& en, std::span<const int64_t>) {
      en.raise(3, 42);
      return true;
    });
    e.register_entry("test_host_error", [](engine::Engine&, std::span<const int64_t>) -> bool {
      throw host::CCTreeException("Internal Error 50 in function Push att\nISAM error: -1--1- 0");
    });
    e.register_entry("test_std_error", [](engine::Engine&, std::span<const int64_t>) -> bool {
      throw std::runtime_error("something else");
    });
    e.register_entry("test_archive_error", [](engine::Engine&, std::span<const int64_t>) -> bool {
      throw config::CArchiveException(config::CArchiveException::kEndOfFile,
                                      "unexpected end of archive");
    });
    e.register_entry("test_odd_throw",
                     [](engine::Engine&, std::span<const int64_t>) -> bool { throw 42; });
    e.register_entry("test_wait_cancel", [this](engine::Engine& en, std::span<const int64_t>) {
      entered_ = true;
      const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
      while (std::chrono::steady_clock::now() < limit) {
        en.check_interrupt();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
      return false;  // never cancelled
    });
  }

  Generation& generation() {
    if (!generation_) generation_ = std::make_unique<Generation>(engine_, services_);
    return *generation_;
  }

  std::vector<Box> boxes() {
    std::lock_guard lock(mutex_);
    return boxes_;
  }

  test::TempDir model_dir_, program_dir_;
  fs::path saved_cwd_;
  platform::MessageBoxHook previous_hook_;
  std::mutex mutex_;
  std::vector<Box> boxes_;
  engine::Engine engine_;
  GenerationServices services_;
  std::unique_ptr<Generation> generation_;
  std::optional<std::string> open_error_;
  std::vector<int> opened_;
  int closed_ = 0;
  std::vector<Copy> copies_;
  std::atomic<bool> entered_{false};
  std::vector<int64_t> entry_args_;
  host::RunState seen_state_;
};

TEST_F(RunControlGenerate, RunsTheEntryWithTheRunsNumbersAndCopiesSupportFilesOnce) {
  test::write_file(model_dir_ / "MODEL.INI", "[Model 007]\r\nDataSource=4\r\n");
  services_.entry = "test_ok";

  EXPECT_TRUE(generation().Generate(2, 7));
  EXPECT_EQ(entry_args_, (std::vector<int64_t>{2, 7}));
  EXPECT_EQ(seen_state_.datastore_set, 2);
  EXPECT_EQ(seen_state_.current_model, 7);
  EXPECT_EQ(seen_state_.data_source, 4);
  EXPECT_EQ(opened_, (std::vector<int>{7}));
  EXPECT_EQ(closed_, 1);
  EXPECT_FALSE(engine_.started());
  EXPECT_FALSE(generation().running());
  ASSERT_EQ(copies_.size(), 1u);
  EXPECT_EQ(copies_[0].from, program_dir_.path());
  EXPECT_EQ(fs::path(copies_[0].to), fs::current_path());
  EXPECT_EQ(copies_[0].list, "QNJAVA.DAT");
  EXPECT_EQ(copies_[0].show, 1);
  EXPECT_TRUE(boxes().empty());

  // The next call of the same process runs again without copying.
  entered_ = false;
  EXPECT_TRUE(generation().Generate(1, 3));
  EXPECT_TRUE(entered_);
  EXPECT_EQ(seen_state_.data_source, 0);  // no "Model 003" section
  EXPECT_EQ(copies_.size(), 1u);
  EXPECT_EQ(closed_, 2);
}

TEST_F(RunControlGenerate, EngineStartFailureShowsOneBoxAndAnswersFalse) {
  ASSERT_EQ(engine_.initialise(12, kEngineConfig, "."), 0);  // a second start is refused
  services_.entry = "test_ok";

  EXPECT_FALSE(generation().Generate(1, 1));
  auto shown = boxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Failed to initialize Prolog Engine\nCause: " +
                               engine::Engine::error_text(engine::kErrAlreadyStarted));
  EXPECT_EQ(shown[0].flags, 0x2030u);
  EXPECT_FALSE(entered_);
  EXPECT_TRUE(copies_.empty());
  EXPECT_EQ(closed_, 1);  // the knowledge base opened for the run is closed again
}

TEST_F(RunControlGenerate, EachFailureOfTheEntryReachesTheErrorBox) {
  struct Case {
    const char* entry;
    std::string text;
  };
  const Case cases[] = {
      {"test_engine_error", engine::Engine::error_text(42)},
      {"test_host_error", "Internal Error 50 in function Push att\nISAM error: -1--1- 0"},
      {"test_std_error", "General Exception"},
      {"test_odd_throw", "General Exception"},
      {"test_archive_error", "General Exception"},  // a damaged DTASTORE.PTY
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    services_.entry = c.entry;
    generation_.reset();
    boxes_.clear();
    closed_ = 0;

    EXPECT_TRUE(generation().Generate(1, 1));
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, c.text);
    EXPECT_EQ(shown[0].caption, "Generation Error");
    EXPECT_FALSE(engine_.started());
    EXPECT_EQ(closed_, 1);
    EXPECT_FALSE(generation().running());
  }
}

TEST_F(RunControlGenerate, FailureBeforeTheEntrySkipsTheRunAndStillAnswersTrue) {
  open_error_ = "Internal Error 1 in function getisam\nISAM error: 13--1- 2";
  services_.entry = "test_ok";

  EXPECT_TRUE(generation().Generate(1, 1));
  auto shown = boxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, *open_error_);
  EXPECT_FALSE(entered_);
  EXPECT_TRUE(copies_.empty());
  EXPECT_FALSE(engine_.started());

  // The next call copies the support files and runs.
  open_error_.reset();
  boxes_.clear();
  EXPECT_TRUE(generation().Generate(1, 1));
  EXPECT_TRUE(entered_);
  EXPECT_EQ(copies_.size(), 1u);
  EXPECT_TRUE(boxes().empty());
}

TEST_F(RunControlGenerate, FailureAfterTheEngineStartedLeavesItReadyForTheNextCall) {
  services_.copy_support_files = [](const std::string&, const std::string&, const std::string&,
                                    int) -> int {
    throw host::CCTreeException("Internal Error 201 in function copy_file\nISAM error: -1--1-12");
  };
  services_.entry = "test_ok";

  EXPECT_TRUE(generation().Generate(1, 1));
  EXPECT_FALSE(entered_);
  EXPECT_FALSE(engine_.started());
  EXPECT_EQ(closed_, 1);

  boxes_.clear();
  EXPECT_TRUE(generation().Generate(1, 1));  // the copy is not tried again
  EXPECT_TRUE(entered_);
  EXPECT_TRUE(boxes().empty());
}

TEST_F(RunControlGenerate, CancelDuringARunEndsItWithTheCancelBox) {
  services_.entry = "test_wait_cancel";
  EXPECT_EQ(generation().RequestCancel(), 0);  // nothing runs: nothing to interrupt

  bool answer = false;
  std::thread run([&] { answer = generation().Generate(1, 1); });
  while (!entered_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_TRUE(generation().running());
  EXPECT_EQ(generation().RequestCancel(), 1);
  run.join();

  EXPECT_TRUE(answer);
  auto shown = boxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Operation cancelled by user");
  EXPECT_FALSE(generation().running());
  EXPECT_EQ(generation().RequestCancel(), 0);
}

TEST_F(RunControlGenerate, CancelBetweenRunsDoesNotReachTheNextRun) {
  services_.entry = "test_ok";
  EXPECT_EQ(generation().RequestCancel(), 0);
  EXPECT_TRUE(generation().Generate(1, 1));
  EXPECT_TRUE(entered_);
  EXPECT_TRUE(boxes().empty());
}

}  // namespace
}  // namespace qn::app
