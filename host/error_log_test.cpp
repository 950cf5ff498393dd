#include "host/error_log.h"

#include "platform/clock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/directories.h"
#include "host/run_state.h"
#include "platform/debug_output.h"
#include "platform/resource_library.h"

namespace qn::host {
namespace {

namespace fs = std::filesystem;

class ErrorLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qn_error_log_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    set_program_path_for_tests((dir_ / "qnjavagen").string());
    platform::set_clock_for_tests([] { return platform::LocalTime{2026, 12, 10, 12, 0, 0, 0, 4}; });
    ::setenv("QNUSER", "TESTER", 1);
    run_state().current_model_record = 7;
  }
  void TearDown() override {
    platform::set_clock_for_tests(nullptr);
    set_program_path_for_tests(std::nullopt);
    fs::remove_all(dir_);
  }
  std::string log() {
    std::ifstream in(dir_ / "qnlog.err", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::string head(const char* kind) {
    return std::string("\n") + kind + " ON Date Thu Dec 10 12:00:00 2026\nIn " +
           (dir_ / "qnjavagen").string() + ":\nCurrent dir   " + fs::current_path().string() +
           "\nCurrent Model 7\nCurrent user  TESTER";
  }
  fs::path dir_;
};

struct LogCase {
  short code;
  const char* text;
  const char* tail;       // the record after its head
  const char* exception;  // text of the exception, or null for a message record
};

TEST_F(ErrorLogTest, RecordsByteForByte) {
  const LogCase cases[] = {
      {-1, "plain message", "\nMsg:\nplain message\n", nullptr},
      {-5, "numbered", "\nMsg: 5 - \nnumbered\n", nullptr},
      {50, "Push att", "\nInternal ERROR --> 50 in function: Push att\n\n",
       "Internal Error 50 in function Push att\nISAM error: -1--1- 2"},
      {3, "att-read", "\nInternal ERROR --> 3 in function: att-read\nISAM error: -1--1- 2\n",
       "Internal Error 3 in function att-read\nISAM error: -1--1- 2"},
  };
  for (const LogCase& c : cases) {
    SCOPED_TRACE(c.code);
    fs::remove(dir_ / "qnlog.err");
    errno = ENOENT;
    if (c.exception) {
      try {
        LogError(c.code, c.text);
        ADD_FAILURE() << "no exception";
      } catch (const CCTreeException& e) {
        EXPECT_EQ(e.text(), c.exception);
      }
    } else {
      EXPECT_EQ(LogError(c.code, c.text), 1);
    }
    EXPECT_EQ(log(), head(c.code < 0 ? "LOG" : "ERROR") + c.tail);
  }
  // Records are appended.
  fs::remove(dir_ / "qnlog.err");
  LogError(-1, "a");
  LogError(-1, "b");
  EXPECT_EQ(log(), head("LOG") + "\nMsg:\na\n" + head("LOG") + "\nMsg:\nb\n");
}

TEST_F(ErrorLogTest, ReportDuringAReportReturnsZero) {
  int inner = -1;
  platform::set_clock_for_tests([&] {
    inner = LogError(3, "inner");  // a failure while the first report is written
    return platform::LocalTime{2026, 12, 10, 12, 0, 0, 0, 4};
  });
  EXPECT_THROW(LogError(200, "outer"), CCTreeException);
  EXPECT_EQ(inner, 0);
  std::string text = log();
  EXPECT_NE(text.find("in function: outer"), std::string::npos);
  EXPECT_EQ(text.find("inner"), std::string::npos);
  // The report is over: the next one is written again.
  platform::set_clock_for_tests([] { return platform::LocalTime{2026, 12, 10, 12, 0, 0, 0, 4}; });
  EXPECT_THROW(LogError(1, "again"), CCTreeException);
  EXPECT_NE(log().find("in function: again"), std::string::npos);
  // A report abandoned by an unexpected failure does not silence the next.
  platform::set_clock_for_tests([]() -> platform::LocalTime { throw std::bad_alloc(); });
  EXPECT_THROW(LogError(201, "abandoned"), std::bad_alloc);
  platform::set_clock_for_tests([] { return platform::LocalTime{2026, 12, 10, 12, 0, 0, 0, 4}; });
  EXPECT_THROW(LogError(3, "after"), CCTreeException);
  EXPECT_NE(log().find("in function: after"), std::string::npos);
}

TEST(MessageText, MissingAndPresentThroughTheResourceLibrary) {
  std::shared_ptr<platform::ResourceLibrary> library =
      platform::ResourceLibrary::load(QN_PROGRAM_DIR, "qnresc32");
  ASSERT_TRUE(library);
  platform::set_resource_library(library);
  const char* missing = MessageText(12345);
  const char* present = MessageText(62054);
  // The last two results stay valid together.
  EXPECT_STREQ(missing, "Msg  12345: Text not available");
  EXPECT_STREQ(present, "Opening the knowledge base...");
  platform::set_resource_library(nullptr);
  EXPECT_STREQ(MessageText(62054), "Msg  62054: Text not available");
  EXPECT_FALSE(platform::ResourceLibrary::load(QN_PROGRAM_DIR, "qnresc99"));
}

TEST(DebugTrace, ReachesAListeningMonitor) {
  platform::set_debug_monitor_prefix("qntest" + std::to_string(::getpid()) + "_");
  DebugTrace(0, "no monitor %d\n", 1);  // only the system debug output
  {
    platform::DebugMonitorListener monitor;
    uint32_t pid = 0;
    std::string text;
    DebugTrace(0, "kept %s\n", "first");  // the monitor is not ready: kept
    EXPECT_FALSE(monitor.take(pid, text, 50));
    monitor.ready();
    DebugTrace(1, "copy %s", "/opt/qn");
    ASSERT_TRUE(monitor.take(pid, text, 1000));
    EXPECT_EQ(pid, static_cast<uint32_t>(::getpid()));
    EXPECT_EQ(text, "kept first\ncopy /opt/qn");
  }
  platform::set_debug_monitor_prefix("");
}

}  // namespace
}  // namespace qn::host
