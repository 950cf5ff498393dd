// qngen, run as a subprocess: against a scripted server that records the
// calls it gets, and against the real generator.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/run_control/subprocess.h"

namespace qn::test {
namespace {

namespace fs = std::filesystem;

const std::string kProgramDir = QN_PROGRAM_DIR;
const std::string kQngen = kProgramDir + "/qngen";

// A server that answers every request true, except Generate, which answers
// $GENERATE_ANSWER after sending the notification lines of $GENERATE_NOTES;
// it appends each line it reads to $CALL_LOG.
constexpr const char* kScriptedServer = R"(#!/bin/sh
while IFS= read -r line; do
  printf '%s\n' "$line" >> "$CALL_LOG"
  id=$(printf '%s' "$line" | sed -n 's/.*"id":\([0-9][0-9]*\).*/\1/p')
  [ -z "$id" ] && continue
  case "$line" in
    *'"Generate"'*)
      answer=$GENERATE_ANSWER
      [ -n "$GENERATE_NOTES" ] && printf '%s\n' "$GENERATE_NOTES" ;;
    *) answer=true ;;
  esac
  printf '{"id":%s,"jsonrpc":"2.0","result":%s}\n' "$id" "$answer"
done
)";

void make_executable(const std::string& path) {
  fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
}

TEST(RunControlQngen, DrivesTheRegisteredServerAndFollowsGeneratesAnswer) {
  TempDir dir;
  const std::string server = dir / "fake server";  // a path with a blank
  write_file(server, kScriptedServer);
  make_executable(server);
  write_file(dir / "registry.ini",
             "[QnJava7.Generator]\nLocalServer32=\"" + server + "\" -Automation\n");
  fs::create_directory(dir / "model");

  const std::string error =
      R"({"jsonrpc":"2.0","method":"ErrorReported","params":["Internal Error 3"]})";
  const std::string cancel = R"({"jsonrpc":"2.0","method":"RunCancelled","params":[]})";
  struct Case {
    std::vector<std::string> args;
    const char* answer;
    int status;
    std::string generate_params;
    std::string notes = "";  // notifications sent before the answer
  };
  const Case cases[] = {
      {{"--user", "alice", "model"}, "true", 0, "[1,1]"},
      {{"--user=bob", "model", "3", "12"}, "false", 1, "[3,12]"},
      {{"model"}, "true", 4, "[1,1]", error},
      {{"model"}, "true", 4, "[1,1]", error + "\n" + error},
      {{"model"}, "true", 5, "[1,1]", error + "\n" + cancel},
      {{"model"}, "false", 1, "[1,1]", error},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.answer) + " " + c.notes);
    const std::string log = dir / "calls.log";
    fs::remove(log);
    std::vector<std::string> argv{kQngen};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    ProcessResult r = run_process(argv, ProcessOptions()
                                            .in_dir(dir.path())
                                            .with_env("QN_REGISTRY_FILE", dir / "registry.ini")
                                            .with_env("CALL_LOG", log)
                                            .with_env("GENERATE_ANSWER", c.answer)
                                            .with_env("GENERATE_NOTES", c.notes));
    ASSERT_FALSE(r.timed_out) << r.err;
    EXPECT_EQ(r.status, c.status) << r.err;
    const std::string calls = read_file(log);
    const std::string model_dir = fs::canonical(dir / "model").string();
    EXPECT_NE(calls.find("\"method\":\"SetModelPath\",\"params\":[\"" + model_dir + "\"]"),
              std::string::npos)
        << calls;
    EXPECT_NE(calls.find("\"method\":\"SetUserName\""), std::string::npos) << calls;
    EXPECT_NE(calls.find("\"method\":\"Generate\",\"params\":" + c.generate_params),
              std::string::npos)
        << calls;
    EXPECT_NE(calls.find("\"method\":\"Release\""), std::string::npos) << calls;
  }
}

TEST(RunControlQngen, ReportsWrongUseAndAMissingServer) {
  TempDir dir;
  fs::copy_file(kQngen, dir / "qngen");  // nothing beside it, nothing registered
  fs::create_directory(dir / "model");
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {{}, 2, "usage: qngen"},
      {{"model", "1"}, 2, "usage: qngen"},
      {{"model", "1", "70000"}, 2, "FIRST and MODEL"},
      {{"no-such-dir"}, 2, "is not a directory"},
      {{"--colour", "model"}, 2, "unknown option"},
      {{"model"}, 3, "cannot start"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> argv{dir / "qngen"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(c.message);
    ProcessResult r = run_process(
        argv,
        ProcessOptions().in_dir(dir.path()).with_env("QN_REGISTRY_FILE", dir / "registry.ini"));
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

// A program folder of its own for the real generator (so that its error log
// and whatever it finds there are the test's).
std::string make_program_folder(const TempDir& dir) {
  const std::string bin = dir / "bin";
  fs::create_directory(bin);
  for (const char* name : {"qnjavagen", "libqnresc32.so", "QNJAVA.DAT", "QNMSGJ.ARI", "JAVASUPP"}) {
    if (fs::exists(kProgramDir + "/" + name)) {
      fs::copy(kProgramDir + "/" + name, bin + "/" + name, fs::copy_options::recursive);
    }
  }
  write_file(dir / "registry.ini",
             "[QnJava7.Generator]\nLocalServer32=" + bin + "/qnjavagen -Automation\n");
  return bin;
}

// The real generator in a program folder of its own (so that its error log
// stays there), driven over a model folder without a knowledge base: the
// generation shows the error and still answers true; qngen tells that
// errors were reported.
TEST(RunControlQngen, WholeRunWithoutAKnowledgeBase) {
  TempDir dir;
  const std::string bin = make_program_folder(dir);
  write_file(dir / "model/MODEL.INI", "[Model 001]\nDataSource=1\n");

  const std::string user40 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
  ProcessResult r = run_process({kQngen, "--user", user40, dir / "model", "1", "1"},
                                ProcessOptions()
                                    .in_dir(dir.path())
                                    .with_env("QN_REGISTRY_FILE", dir / "registry.ini")
                                    .with_env("QNUSER", std::nullopt));
  ASSERT_FALSE(r.timed_out) << r.err;
  EXPECT_EQ(r.status, 4) << r.err;  // errors were reported
  EXPECT_NE(r.err.find("Internal Error 1 in function getisam"), std::string::npos) << r.err;
  // The error log names the user as SetUserName kept it: 30 characters.
  const std::string log = read_file(bin + "/qnlog.err");
  EXPECT_NE(log.find("Current user  " + user40.substr(0, 30) + "\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Current dir   " + fs::canonical(dir / "model").string()), std::string::npos)
      << log;
}

#ifdef QN_SAMPLE_KB_DIR
// With the knowledge base beside the program (and none in the model folder)
// the generator finds it along FILEPATH, and the first run copies the
// support files into the model folder.
TEST(RunControlQngen, WholeRunFindsTheKnowledgeBaseAlongFilePath) {
  TempDir dir;
  const std::string bin = make_program_folder(dir);
  for (const char* name : {"PEFILES", "knowledge.db"}) {
    fs::copy_file(std::string(QN_SAMPLE_KB_DIR) + "/" + name, bin + "/" + name);
  }
  write_file(dir / "model/MODEL.INI", "[Model 001]\nDataSource=1\n");

  ProcessResult r = run_process(
      {kQngen, "--user", "tester", dir / "model"},
      ProcessOptions().in_dir(dir.path()).with_env("QN_REGISTRY_FILE", dir / "registry.ini"));
  ASSERT_FALSE(r.timed_out) << r.err;
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err.find("getisam"), std::string::npos) << r.err;
  for (const char* copied : {"README_JAVA.TXT", "logging.properties", "QNJAVA.MRK"}) {
    EXPECT_TRUE(fs::exists(dir / (std::string("model/") + copied))) << copied;
  }
}
#endif

}  // namespace
}  // namespace qn::test
