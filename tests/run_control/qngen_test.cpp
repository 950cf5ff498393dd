// qngen, run as a subprocess: against a scripted server that records the
// calls it gets, and against the real generator.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

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
  fs::copy_file(kQngen, dir / "qngen");  // no qnjavagen beside it: the registered one runs
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
    std::vector<std::string> argv{dir / "qngen"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    ProcessResult r = run_process(argv, ProcessOptions()
                                            .in_dir(dir.path())
                                            .with_env("QN_REGISTRY_FILE", dir / "registry.ini")
                                            .with_env("CALL_LOG", log)
                                            .with_env("GENERATE_ANSWER", c.answer)
                                            .with_env("GENERATE_NOTES", c.notes));
    ASSERT_FALSE(r.timed_out) << r.err;
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find("qngen: generator " + server + "\n"), std::string::npos) << r.err;
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
  // Help goes to standard output: the exit codes and how --user selects the
  // specification folder.
  ProcessResult help = run_process({dir / "qngen", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  for (const char* part : {"usage: qngen", "MODEL_DIR/NAME/MDLnnn/GENnn/", "4  the run reported"})
    EXPECT_NE(help.out.find(part), std::string::npos) << help.out;
}

// A registered generator of another checkout is not driven while a
// qnjavagen stands beside qngen; the one used is named.
TEST(RunControlQngen, PrefersTheGeneratorBesideIt) {
  TempDir dir;
  const std::string bin = dir / "bin";
  fs::create_directory(bin);
  fs::copy_file(kQngen, bin + "/qngen");
  // "qnjavagen" beside it here is a scripted server that records its calls.
  write_file(bin + "/qnjavagen", kScriptedServer);
  make_executable(bin + "/qnjavagen");
  const std::string other = dir / "other";
  write_file(other, "#!/bin/sh\nexit 9\n");
  make_executable(other);
  write_file(dir / "registry.ini", "[QnJava7.Generator]\nLocalServer32=" + other + " -Automation\n");
  fs::create_directory(dir / "model");
  ProcessResult r = run_process({bin + "/qngen", "--user", "u", "model"},
                                ProcessOptions()
                                    .in_dir(dir.path())
                                    .with_env("QN_REGISTRY_FILE", dir / "registry.ini")
                                    .with_env("CALL_LOG", dir / "calls.log")
                                    .with_env("GENERATE_ANSWER", "true")
                                    .with_env("GENERATE_NOTES", ""));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("qngen: generator " + bin + "/qnjavagen\n"), std::string::npos) << r.err;
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
  fs::copy_file(kQngen, bin + "/qngen");  // qngen runs the qnjavagen beside it
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
  ProcessResult r = run_process({bin + "/qngen", "--user", user40, dir / "model", "1", "1"},
                                ProcessOptions()
                                    .in_dir(dir.path())
                                    .with_env("QN_REGISTRY_FILE", dir / "registry.ini")
                                    .with_env("QNUSER", std::nullopt));
  ASSERT_FALSE(r.timed_out) << r.err;
  EXPECT_EQ(r.status, 4) << r.err;  // errors were reported
  EXPECT_NE(r.err.find("Internal Error 1 in function getisam"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("No knowledge base in " + fs::canonical(dir / "model").string() +
                       ": build one with `kbtool build DESCRIPTION "),
            std::string::npos)
      << r.err;
  // The error log names the user as SetUserName kept it: 30 characters.
  const std::string log = read_file(bin + "/qnlog.err");
  EXPECT_NE(log.find("Current user  " + user40.substr(0, 30) + "\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Current dir   " + fs::canonical(dir / "model").string()), std::string::npos)
      << log;
}

#ifdef QN_SAMPLE_KB_DIR
// Each input a newcomer may give, and what the run answers: the exit status,
// the message on screen and the same in qnlog.err, with the line that says
// what to do. A file that cannot be used stays where it was.
TEST(RunControlQngen, EachInputGetsItsStatusAndMessage) {
  TempDir dir;
  const std::string bin = make_program_folder(dir);
  const fs::path model = fs::path(dir.path()) / "model";
  const fs::path specs = model / "DEMO/MDL001/GEN00";
  struct Case {
    const char* name;
    std::function<void()> setup;
    std::vector<std::string> args;  // after qngen
    int status;
    std::vector<std::string> lines;  // on screen and in the error log
    const char* kept = nullptr;      // a specification file that stays
  };
  auto put = [&](const char* name, const std::string& text) {
    write_file((specs / name).string(), text);
  };
  const std::string m = model.string();
  const Case cases[] = {
      {"no user given, the login name's folder is missing", [] {}, {m}, 4,
       {"/MDL001/GEN00 does not exist: there is nothing to generate for the user ",
        "Generate as the user whose folder below the model folder holds the specification files "
        "(qngen --user NAME)."}},
      {"misspelt user", [] {}, {"--user", "DEMOX", m}, 4,
       {"The specification folder " + m + "/DEMOX/MDL001/GEN00 does not exist: there is nothing "
        "to generate for the user DEMOX."}},
      {"no knowledge base",
       [&] {
         fs::remove(model / "PEFILES");
         fs::remove(model / "knowledge.db");
       },
       {"--user", "DEMO", m}, 4,
       {"Internal Error 1 in function getisam\nISAM error: 13--1- 2",
        "No knowledge base in " + m + ": build one with `kbtool build DESCRIPTION " + m + "`."}},
      {"a model not in the knowledge base", [] {}, {"--user", "DEMO", m, "1", "9"}, 4,
       {"Internal Error 3 in function mdl_info",
        "Model 9 is not in the knowledge base, which holds model 1: give one of them as MODEL."}},
      {"garbage", [&] { put("p0020.spc", "garbage(((\n"); }, {"--user", "DEMO", m}, 4,
       {"The specification file DEMO/MDL001/GEN00/p0020.spc is skipped: syntax error at line 1.",
        "Correct the file, or specify the object again, and generate again."},
       "p0020.spc"},
      {"a syntax error in an object's file",
       [&] { put("p0024.spc", "spec_i([proc, 24, 'T', 'Pq', 0, 0]).\nbad(((.\n"); },
       {"--user", "DEMO", m}, 4,
       {"The specification file DEMO/MDL001/GEN00/p0024.spc has a syntax error at line 2.",
        "The clause there is left out and the object generated from the rest: correct the file "
        "and generate again."}},
      {"a name that is no file name",
       [&] { put("y0012.spc", "spec_i([rpt, 12, 'Quarterly sales', 'Sales/Q1', 0, 0]).\n"); },
       {"--user", "DEMO", m}, 4,
       {"The file com/demo/sample/rsales/q1.java cannot be written: No such file or directory.",
        "Check that its folder exists and can be written, and that the object's name is a file "
        "name (no '/'), then generate again.",
        "Report Sales/Q1 was not generated: its specification file DEMO/MDL001/GEN00/y0012.spc "
        "stays for the next run.",
        "Correct what the messages before this one name, and generate again."},
       "y0012.spc"},
      {"an object number a program file cannot hold",
       [&] { put("m10000.spc", "spec_i([mnu, 10000, 'Menu', 'Big', 0, 0]).\n"); },
       {"--user", "DEMO", m}, 4,
       {"Menu Big: the program file cannot record object number 10000: it numbers objects 1 to "
        "9999.",
        "Give the object a lower number, and generate again.",
        "Menu Big was not generated: its specification file DEMO/MDL001/GEN00/m10000.spc stays "
        "for the next run."},
       "m10000.spc"},
      {"a file naming no object", [&] { put("u0011.spc", "attri_i(custid, ['CustId']).\n"); },
       {"--user", "DEMO", m}, 4,
       {"The specification file DEMO/MDL001/GEN00/u0011.spc is skipped: it names no object",
        "Specify the object again, or remove the file."},
       "u0011.spc"},
      {"a named pipe", [&] { ::mkfifo((specs / "p0021.spc").c_str(), 0600); },
       {"--user", "DEMO", m}, 4,
       {"The specification file DEMO/MDL001/GEN00/p0021.spc is skipped: it is a named pipe "
        "(FIFO).",
        "Only regular files are read: put the object's specification file in its place, or "
        "remove it."},
       "p0021.spc"},
      {"a folder", [&] { fs::create_directory(specs / "p0022.spc"); }, {"--user", "DEMO", m}, 4,
       {"The specification file DEMO/MDL001/GEN00/p0022.spc is skipped: it is a folder."},
       "p0022.spc"},
      {"a link to nothing", [&] { fs::create_symlink("nowhere", specs / "p0023.spc"); },
       {"--user", "DEMO", m}, 4,
       {"The specification file DEMO/MDL001/GEN00/p0023.spc is skipped: it is a symbolic link "
        "to a file that does not exist."},
       "p0023.spc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(model);
    fs::copy(std::string(QN_SOURCE_DIR) + "/examples/sample-model", model,
             fs::copy_options::recursive);
    for (const char* f : {"PEFILES", "knowledge.db"})
      fs::copy_file(std::string(QN_SAMPLE_KB_DIR) + "/" + f, model / f);
    fs::remove(bin + "/qnlog.err");
    c.setup();
    std::vector<std::string> argv{bin + "/qngen"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    ProcessResult r = run_process(argv, ProcessOptions()
                                            .in_dir(dir.path())
                                            .with_env("QN_REGISTRY_FILE", dir / "registry.ini")
                                            .with_env("QNUSER", std::nullopt));
    ASSERT_FALSE(r.timed_out) << r.err;
    EXPECT_EQ(r.status, c.status) << r.err;
    const std::string log = read_file(bin + "/qnlog.err");
    for (const std::string& line : c.lines) {
      EXPECT_NE(r.err.find(line), std::string::npos) << line << "\n" << r.err;
      EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
    }
    if (c.kept) {
      EXPECT_TRUE(fs::exists(fs::symlink_status(specs / c.kept))) << c.kept;
    }
  }
}

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
  fs::create_directories(dir / "model/tester/MDL001/GEN00");  // nothing to generate, no error

  ProcessResult r = run_process(
      {bin + "/qngen", "--user", "tester", dir / "model"},
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
