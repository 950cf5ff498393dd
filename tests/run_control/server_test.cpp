// The real qnjavagen program, run as a subprocess: registration when started
// by hand, a missing resource library, and a JSON-RPC session.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>

#include <nlohmann/json.hpp>

#include "tests/run_control/subprocess.h"

namespace qn::test {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const std::string kProgramDir = QN_PROGRAM_DIR;
const std::string kServer = kProgramDir + "/qnjavagen";

std::vector<json> reply_lines(const std::string& out) {
  std::vector<json> replies;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) replies.push_back(json::parse(line));  // only protocol lines
  return replies;
}

std::string request(const char* method, const json& params, int id) {
  return json{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}, {"id", id}}.dump() + "\n";
}

TEST(RunControlServer, StartedByHandRegistersAndEnds) {
  TempDir dir;
  const std::string reg = dir / "data/quenora/registry.ini";
  ProcessResult r = run_process({kServer}, ProcessOptions().with_env("QN_REGISTRY_FILE", reg));
  ASSERT_FALSE(r.timed_out);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Update Registry (Fixed Location)"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(read_file(reg),
            "[QnJava7.Generator]\n"
            "CLSID={1150E36F-5DB6-4EFB-8CCC-98D9AB3A6385}\n"
            "Interface={39706BC7-11FE-11D2-AD45-0020AFF6BDBB}\n"
            "LocalServer32=" +
                fs::canonical(kServer).string() +
                " -Automation\n"
                "DisplayName=Quenora Java Generator\n");

  // A registry that cannot be written is reported, and the status says so.
  write_file(dir / "blocker", "a file where a folder should be");
  r = run_process({kServer},
                  ProcessOptions().with_env("QN_REGISTRY_FILE", dir / "blocker/registry.ini"));
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.err.find("Registration failed"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("Update Registry"), std::string::npos) << r.err;
}

TEST(RunControlServer, MissingResourceLibraryEndsTheProgram) {
  TempDir dir;
  fs::copy_file(kServer, dir / "qnjavagen");
  for (const char* arg : {"-Automation", "/REGSERVER"}) {
    SCOPED_TRACE(arg);
    ProcessResult r = run_process({dir / "qnjavagen", arg},
                                  ProcessOptions()
                                      .with_input(request("SetModelPath", {""}, 1))
                                      .with_env("QN_REGISTRY_FILE", dir / "registry.ini"));
    ASSERT_FALSE(r.timed_out);
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("Failed to load resource DLL: qnresc32.dll"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fs::exists(dir / "registry.ini"));
  }
}

TEST(RunControlServer, AutomationSessionAnswersEveryLineAndEndsWithItsInput) {
  TempDir dir;
  fs::create_directory(dir / "sub");
  std::string input;
  input += request("SetModelPath", {""}, 1);                   // changes nothing
  input += request("SetModelPath", {dir / "no/such/dir"}, 2);  // fails, directory kept
  input += request("SetModelPath", {"sub"}, 3);                // so "sub" is still found
  input += "{\"jsonrpc\":\"2.0\",\"method\":\n";               // malformed
  input += request("Bogus", json::array(), 4);
  input += request("3", {"x", "y"}, 5);          // Generate by dispatch id
  input += request("2", {"someone"}, 6);         // SetUserName by dispatch id
  input += request("SetModelPath", {"sub"}, 7);  // now inside sub: no "sub" here

  for (const char* arg : {"-Automation", "/embedding"}) {
    SCOPED_TRACE(arg);
    ProcessResult r =
        run_process({kServer, arg}, ProcessOptions().with_input(input).in_dir(dir.path()));
    ASSERT_FALSE(r.timed_out) << r.err;
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<json> replies = reply_lines(r.out);
    ASSERT_EQ(replies.size(), 8u) << r.out;
    EXPECT_EQ(replies[0], (json{{"jsonrpc", "2.0"}, {"id", 1}, {"result", true}}));
    EXPECT_EQ(replies[1]["result"], false);
    EXPECT_EQ(replies[2]["result"], true);
    EXPECT_EQ(replies[3]["error"]["code"], -32700);
    EXPECT_EQ(replies[3]["id"], nullptr);
    EXPECT_EQ(replies[4]["error"]["code"], -32601);
    EXPECT_EQ(replies[5]["error"]["code"], -32602);
    EXPECT_EQ(replies[6]["result"], true);
    EXPECT_EQ(replies[7]["result"], false);
    EXPECT_EQ(replies[7]["id"], 7);
  }
}

TEST(RunControlServer, ReleaseNotificationEndsTheSession) {
  TempDir dir;
  std::string input = request("SetModelPath", {""}, 1) +
                      "{\"jsonrpc\":\"2.0\",\"method\":\"Release\"}\n" +
                      request("SetModelPath", {""}, 2);
  ProcessResult r =
      run_process({kServer, "-Automation"}, ProcessOptions().with_input(input).in_dir(dir.path()));
  ASSERT_FALSE(r.timed_out) << r.err;
  EXPECT_EQ(r.status, 0) << r.err;
  std::vector<json> replies = reply_lines(r.out);
  ASSERT_EQ(replies.size(), 1u) << r.out;
  EXPECT_EQ(replies[0]["id"], 1);
}

// Cancel in the dialog while no generation runs ends the program, although
// the client has not released the object.
TEST(RunControlServer, CancelWithoutARunEndsTheProgram) {
  TempDir dir;
  ProcessResult r =
      run_process({kServer, "-Automation"}, ProcessOptions()
                                                .with_input(request("SetModelPath", {""}, 1))
                                                .input_open()
                                                .in_dir(dir.path())
                                                .signal_when("Quenora Java Generator", SIGINT));
  ASSERT_FALSE(r.timed_out) << r.err;
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Do you want to cancel?"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace qn::test
