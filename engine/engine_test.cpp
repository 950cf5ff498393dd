#include "engine/engine.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "engine/clause_io.h"
#include "engine/files.h"
#include "engine/test_print.h"

namespace qn::engine {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kConfig = "DBMODE=never\r\nKBDRIVER=no\r\n";

Term T(std::string_view text) { return *parse_term(text); }

std::string texts(const std::vector<Term>& ts) {
  std::string out;
  for (const auto& t : ts) out += (out.empty() ? "" : " ") + writeq(t);
  return out;
}

struct HookCall {
  int code, number, extra;
};

// An engine started as the host starts it, with a hook that records its
// calls and throws for codes 1-5 when asked to.
class EngineServices : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(engine.initialise(12, kConfig, "/tmp"), 0);
    ASSERT_EQ(engine.start(1, 0), 0);
    engine.set_error_hook([this](int code, int number, int extra) {
      calls.push_back({code, number, extra});
      if (throw_on_hook && code >= 1 && code <= 5)
        throw std::runtime_error("hook " + std::to_string(code));
    });
    dir = fs::temp_directory_path() /
          ("qn_engine_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string write_file(const std::string& name, std::string_view text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return (dir / name).string();
  }

  Engine engine;
  std::vector<HookCall> calls;
  bool throw_on_hook = false;
  fs::path dir;
};

TEST_F(EngineServices, InitialiseChecksItsArguments) {
  Engine e;
  EXPECT_NE(e.initialise(11, kConfig, "/tmp"), 0);
  EXPECT_NE(e.initialise(12, "no equals sign", "/tmp"), 0);
  EXPECT_NE(e.start(1, 0), 0);  // not initialised
  EXPECT_EQ(e.initialise(12, kConfig, "/tmp"), 0);
  EXPECT_NE(e.initialise(12, kConfig, "/tmp"), 0);  // twice
  EXPECT_NE(e.start(2, 0), 0);
  EXPECT_EQ(e.start(1, 0), 0);
  EXPECT_FALSE(Engine::error_text(kErrBadInit).empty());
}

TEST_F(EngineServices, InitialiseAfterShutdownGivesAFreshEngine) {
  engine.facts().assertz(T("a(1)"));
  engine.ctr_set(3, 9);
  engine.set_errcode(kErrSyntax);
  engine.shutdown();
  EXPECT_FALSE(engine.started());
  ASSERT_EQ(engine.initialise(12, kConfig, "/tmp"), 0);
  EXPECT_TRUE(engine.started());
  EXPECT_EQ(engine.facts().count("a", 1), 0u);
  EXPECT_EQ(engine.ctr_is(3), 0);
  EXPECT_EQ(engine.errcode(), 0);
}

TEST_F(EngineServices, CallGateRunsEntriesWithIntegers) {
  std::vector<int64_t> seen;
  engine.register_entry("gen_main", [&](Engine& e, std::span<const int64_t> args) {
    seen.assign(args.begin(), args.end());
    return args[0] == 1;
  });
  int64_t ok[] = {1, 7};
  int64_t bad[] = {2, 7};
  EXPECT_TRUE(engine.call("gen_main", ok));
  EXPECT_EQ(seen, (std::vector<int64_t>{1, 7}));
  EXPECT_FALSE(engine.call("gen_main", bad));
  EXPECT_FALSE(engine.call("nothing", ok));
  EXPECT_EQ(engine.errcode(), kErrNoEntry);
  engine.register_entry(
      "thrower", [](Engine&, std::span<const int64_t>) -> bool { throw std::logic_error("x"); });
  EXPECT_THROW(engine.call("thrower", ok), std::logic_error);
}

TEST_F(EngineServices, InterruptReachesTheHookAtTheNextCheck) {
  throw_on_hook = true;
  std::atomic<bool> asked{false};
  engine.register_entry("loop", [&](Engine& e, std::span<const int64_t>) {
    for (int i = 0;; ++i) {
      e.facts().assertz(Term::compound("n", {Term::integer(i)}));  // fact-base access checks
      if (i == 10) {
        std::thread([&] {
          e.request_interrupt(1);
          asked = true;
        }).join();
      }
    }
    return true;
  });
  int64_t none[] = {0};
  EXPECT_THROW(engine.call("loop", std::span<const int64_t>(none, 0)), std::runtime_error);
  EXPECT_TRUE(asked);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].code, 5);
  EXPECT_EQ(engine.facts().count("n", 1), 11u);
  // The request is used up: the run can go on.
  engine.check_interrupt();
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(EngineServices, InterruptWithoutHookStillEndsTheRun) {
  Engine e;
  ASSERT_EQ(e.initialise(12, kConfig, ""), 0);
  e.request_interrupt(1);
  EXPECT_THROW(e.check_interrupt(), EngineAbort);
}

TEST_F(EngineServices, Counters) {
  EXPECT_EQ(engine.ctr_is(0), 0);
  engine.ctr_set(0, 5);
  EXPECT_EQ(engine.ctr_inc(0), 5);
  EXPECT_EQ(engine.ctr_inc(0), 6);
  EXPECT_EQ(engine.ctr_is(0), 7);
}

TEST_F(EngineServices, ReconsultReplacesWhatConsultAdds) {
  engine.facts().assertz(T("p(old)"));
  engine.facts().assertz(T("q(kept)"));
  std::string file = write_file("f.ari", "p(1).\r\np(2).\nr(x).\n");
  ASSERT_TRUE(engine.consult(file));
  EXPECT_EQ(texts(engine.facts().clauses("p", 1)), "p(old) p(1) p(2)");
  engine.facts().asserta(T("p(asserted)"));
  ASSERT_TRUE(engine.reconsult(file));
  EXPECT_EQ(texts(engine.facts().clauses("p", 1)), "p(1) p(2)");
  EXPECT_EQ(texts(engine.facts().clauses("q", 1)), "q(kept)");
  EXPECT_EQ(texts(engine.facts().clauses("r", 1)), "r(x)");
  EXPECT_EQ(engine.errcode(), 0);
}

TEST_F(EngineServices, LoadingGoesOnPastSyntaxErrors) {
  std::string file = write_file("bad.spc", "a(1).\na(2,.\na(3).\nb(.\nc(.\n");
  engine.set_syntax_errors(false);
  ASSERT_TRUE(engine.reconsult(file));
  EXPECT_EQ(texts(engine.facts().clauses("a", 1)), "a(1) a(3)");
  EXPECT_EQ(engine.errcode(), kErrSyntax);
  EXPECT_TRUE(calls.empty());
  // Switched on, each error reaches the hook with its line.
  engine.set_syntax_errors(true);
  ASSERT_TRUE(engine.reconsult(file));
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].code, 1);
  EXPECT_EQ(calls[0].extra, 2);
  EXPECT_EQ(calls[2].extra, 5);
}

TEST_F(EngineServices, MissingFileFailsQuietlyWithFileErrorsOff) {
  engine.set_file_errors(false);
  EXPECT_FALSE(engine.consult((dir / "missing.ari").string()));
  EXPECT_EQ(engine.errcode(), kErrFile);
  EXPECT_TRUE(calls.empty());
  engine.set_file_errors(true);
  EXPECT_FALSE(engine.reconsult((dir / "missing.ari").string()));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].code, 2);
}

TEST_F(EngineServices, PathsResolveIgnoringCaseAndBackslashes) {
  fs::create_directories(dir / "Sub");
  write_file("Sub/Data.ARI", "d(1).\n");
  std::string path = dir.string() + "\\sub\\data.ari";
  ASSERT_TRUE(engine.consult(path));
  EXPECT_EQ(engine.facts().count("d", 1), 1u);
}

class EngineFiles : public EngineServices {};

TEST_F(EngineFiles, DirectoryMatchesWildcardsIgnoringCase) {
  for (const char* n : {"b.SPC", "A.spc", "c.txt", "abc.Spc", "x.spc.bak", "noext", ".hidden.spc"})
    write_file(n, "");
  fs::create_directories(dir / "folder.spc");
  std::string base = dir.string() + "/";
  EXPECT_EQ(list_files(base + "*.spc"), (std::vector<std::string>{"A.spc", "abc.Spc", "b.SPC"}));
  EXPECT_EQ(list_files(base + "?.SpC"), (std::vector<std::string>{"A.spc", "b.SPC"}));
  EXPECT_EQ(list_files(base + "noext.*"), (std::vector<std::string>{"noext"}));
  EXPECT_EQ(list_files(base + "*.*").size(), 6u);
  auto all = directory(base + "*.spc", kAttrDirectory | kAttrHidden);
  std::vector<std::string> names;
  for (auto& e : all) names.push_back(e.name);
  EXPECT_EQ(names,
            (std::vector<std::string>{".hidden.spc", "A.spc", "abc.Spc", "b.SPC", "folder.spc"}));
  EXPECT_TRUE(all.back().attributes & kAttrDirectory);
  EXPECT_TRUE(list_files(base + "nowhere/*.spc").empty());
}

TEST_F(EngineFiles, DeleteMkdirChdirAndStreams) {
  std::string base = dir.string() + "/";
  ASSERT_TRUE(make_dir(engine, base + "New"));
  EXPECT_FALSE(make_dir(engine, base + "New"));  // exists
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].code, 2);
  engine.set_file_errors(false);
  TextStream out;
  ASSERT_TRUE(out.open(engine, base + "new\\Out.txt", TextStream::Mode::Write));
  EXPECT_TRUE(out.write("line 1\n"));
  EXPECT_TRUE(out.write(T("f('a b')")));
  EXPECT_TRUE(out.close());
  TextStream in;
  ASSERT_TRUE(in.open(engine, base + "NEW/out.TXT", TextStream::Mode::Read));
  EXPECT_EQ(in.read_all(), "line 1\nf(a b)");
  in.close();
  fs::path before = fs::current_path();
  ASSERT_TRUE(change_dir(engine, base + "NEW"));
  EXPECT_TRUE(delete_file(engine, "OUT.txt"));
  fs::current_path(before);
  EXPECT_FALSE(delete_file(engine, base + "new/out.txt"));
  EXPECT_EQ(engine.errcode(), kErrFile);
  EXPECT_FALSE(in.open(engine, base + "none/x", TextStream::Mode::Read));
  EXPECT_EQ(calls.size(), 1u);
  // A whole file replaced at once, through the same path mapping.
  write_file("New/State.ari", "old.\n");
  EXPECT_TRUE(replace_file(engine, base + "new\\state.ari", "new.\n"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "New"), {}), 1);  // no temporary left
  ASSERT_TRUE(in.open(engine, base + "New/State.ari", TextStream::Mode::Read));
  EXPECT_EQ(in.read_all(), "new.\n");
  in.close();
  EXPECT_FALSE(replace_file(engine, base + "none/x.ari", "x"));
  EXPECT_EQ(engine.errcode(), kErrFile);
}

}  // namespace
}  // namespace qn::engine
