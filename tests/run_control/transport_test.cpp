// The JSON-RPC transport of the automation server and the registry file,
// in-process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "platform/automation.h"
#include "platform/registry_file.h"
#include "tests/run_control/subprocess.h"

namespace qn::platform {
namespace {

using nlohmann::json;
using test::read_file;
using test::TempDir;
using test::write_file;

class RunControlTransport : public ::testing::Test {
 protected:
  void SetUp() override {
    server.add_method("Echo", 1, [this](const json& p) {
      ++calls;
      if (!p.is_array() || p.size() != 1) throw RpcInvalidParams("expected one parameter");
      return p[0];
    });
  }
  // The reply to a line, parsed; null when no reply came.
  json reply(std::string_view line) {
    auto r = server.handle(line);
    return r ? json::parse(*r) : json();
  }

  AutomationServer server;
  int calls = 0;
};

TEST_F(RunControlTransport, AnswersErrorsWithTheirCodesAndGoesOn) {
  struct Case {
    const char* line;
    int code;  // 0: a result is expected
    json id;
  };
  const Case cases[] = {
      {R"({"jsonrpc":"2.0","method":"Echo","params":["a"],"id":1})", 0, 1},
      {R"({"jsonrpc":"2.0","method":"1","params":[7],"id":"x"})", 0, "x"},  // by dispatch id
      {R"({"jsonrpc":"2.0","method":"Echo","params":["a"])", -32700, nullptr},
      {R"(not json at all)", -32700, nullptr},
      {R"([])", -32600, nullptr},
      {R"(42)", -32600, nullptr},
      {R"({"jsonrpc":"1.0","method":"Echo","params":[1],"id":2})", -32600, 2},
      {R"({"jsonrpc":"2.0","method":5,"id":3})", -32600, 3},
      {R"({"jsonrpc":"2.0","method":"Echo","params":"a","id":4})", -32600, 4},
      {R"({"jsonrpc":"2.0","method":"Echo","id":{"a":1}})", -32600, nullptr},
      {R"({"jsonrpc":"2.0","method":"Nope","params":[],"id":5})", -32601, 5},
      {R"({"jsonrpc":"2.0","method":"2","params":[],"id":6})", -32601, 6},
      {R"({"jsonrpc":"2.0","method":"Echo","params":[1,2],"id":7})", -32602, 7},
      {R"({"jsonrpc":"2.0","method":"Echo","id":8})", -32602, 8},  // no params: an empty list
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    json r = reply(c.line);
    ASSERT_TRUE(r.is_object());
    EXPECT_EQ(r["jsonrpc"], "2.0");
    EXPECT_EQ(r["id"], c.id);
    if (c.code == 0) {
      EXPECT_TRUE(r.contains("result"));
      EXPECT_FALSE(r.contains("error"));
    } else {
      ASSERT_TRUE(r.contains("error"));
      EXPECT_EQ(r["error"]["code"], c.code);
      EXPECT_TRUE(r["error"]["message"].is_string());
    }
  }
  EXPECT_FALSE(server.released());
}

// Nesting is bounded while a message is read: 64 levels are served, a
// deeper message (even a million levels in its id) gets the parse error and
// the server goes on.
TEST_F(RunControlTransport, DeepNestingIsRefusedWhileParsing) {
  auto nested = [](int levels) {
    return std::string(levels, '[') + "1" + std::string(levels, ']');
  };
  auto request = [](const std::string& id, const std::string& params) {
    return R"({"jsonrpc":"2.0","method":"Echo","params":)" + params + R"(,"id":)" + id + "}";
  };
  struct Case {
    std::string name;
    std::string line;
    int code;  // 0: answered
  } cases[] = {
      {"params at the limit", request("1", "[" + nested(62) + "]"), 0},
      {"params one level deeper", request("1", "[" + nested(63) + "]"), -32700},
      {"an id a million levels deep", request(nested(1000000), "[1]"), -32700},
      {"params a million levels deep", request("1", nested(1000000)), -32700},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    json r = reply(c.line);
    ASSERT_TRUE(r.is_object());
    if (c.code == 0) {
      EXPECT_TRUE(r.contains("result"));
    } else {
      EXPECT_EQ(r["error"]["code"], c.code);
      EXPECT_EQ(r["id"], nullptr);
    }
  }
  EXPECT_EQ(reply(request("2", "[5]"))["result"], 5);
}

// A line longer than the limit is answered with an error and dropped; the
// lines around it are served, also when it arrives in many reads.
TEST_F(RunControlTransport, OverlongLineIsDroppedWithAnErrorReply) {
  TempDir dir;
  const std::string echo = R"({"jsonrpc":"2.0","method":"Echo","params":[1],"id":1})";
  const std::string big = R"({"jsonrpc":"2.0","method":"Echo","params":[")" +
                          std::string(300000, 'x') + R"("],"id":2})";
  for (const std::string& last :
       {std::string("\n") + echo + "\n", std::string("\n"), std::string()}) {
    SCOPED_TRACE(last.size());
    write_file(dir / "in", echo + "\n" + big + last);
    FILE* in = std::fopen((dir / "in").c_str(), "rb");
    FILE* out = std::fopen((dir / "out").c_str(), "wb");
    server.set_max_line(100000);
    server.serve(fileno(in), fileno(out));
    std::fclose(in);
    std::fclose(out);
    std::istringstream replies(read_file(dir / "out"));
    std::vector<json> got;
    for (std::string l; std::getline(replies, l);) got.push_back(json::parse(l));
    ASSERT_EQ(got.size(), last.size() > 1 ? 3u : 2u);
    EXPECT_EQ(got[0]["result"], 1);
    EXPECT_EQ(got[1]["error"]["code"], -32600);
    if (got.size() == 3) {
      EXPECT_EQ(got[2]["result"], 1);
    }
  }
  // Under the limit the same line is served whole.
  write_file(dir / "in", big + "\n");
  FILE* in = std::fopen((dir / "in").c_str(), "rb");
  FILE* out = std::fopen((dir / "out").c_str(), "wb");
  server.set_max_line(kMaxMessageLine);
  server.serve(fileno(in), fileno(out));
  std::fclose(in);
  std::fclose(out);
  EXPECT_EQ(json::parse(read_file(dir / "out"))["result"].get<std::string>().size(), 300000u);
}

TEST_F(RunControlTransport, NotificationsGetNoReplyButRun) {
  EXPECT_TRUE(reply(R"({"jsonrpc":"2.0","method":"Echo","params":[1]})").is_null());
  EXPECT_TRUE(reply(R"({"jsonrpc":"2.0","method":"Nope"})").is_null());
  EXPECT_EQ(calls, 1);
}

TEST_F(RunControlTransport, BatchAnswersEachRequestInOrder) {
  json r = reply(R"([{"jsonrpc":"2.0","method":"Echo","params":["a"],"id":1},)"
                 R"({"jsonrpc":"2.0","method":"Echo","params":["n"]},)"
                 R"({"jsonrpc":"2.0","method":"Nope","id":2}])");
  ASSERT_TRUE(r.is_array());
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0]["result"], "a");
  EXPECT_EQ(r[1]["error"]["code"], -32601);
}

TEST_F(RunControlTransport, ReleaseEndsTheSession) {
  EXPECT_TRUE(reply(R"({"jsonrpc":"2.0","method":"Release"})").is_null());
  EXPECT_TRUE(server.released());

  AutomationServer other;
  json r = json::parse(*other.handle(R"({"jsonrpc":"2.0","method":"Release","id":9})"));
  EXPECT_EQ(r["result"], true);
  EXPECT_TRUE(other.released());
}

TEST_F(RunControlTransport, ServeStopsAtReleaseAndSkipsBlankLines) {
  TempDir dir;
  const std::string in_path = dir / "in", out_path = dir / "out";
  write_file(in_path,
             "\r\n  \n"
             R"({"jsonrpc":"2.0","method":"Echo","params":["a"],"id":1})"
             "\r\n"
             R"({"jsonrpc":"2.0","method":"Release"})"
             "\n"
             R"({"jsonrpc":"2.0","method":"Echo","params":["late"],"id":2})"
             "\n");
  FILE* in = std::fopen(in_path.c_str(), "rb");
  FILE* out = std::fopen(out_path.c_str(), "wb");
  server.serve(fileno(in), fileno(out));
  std::fclose(in);
  std::fclose(out);
  EXPECT_EQ(read_file(out_path), R"({"id":1,"jsonrpc":"2.0","result":"a"})"
                                 "\n");
  EXPECT_EQ(calls, 1);
}

TEST_F(RunControlTransport, ServeTakesALastLineWithoutNewline) {
  TempDir dir;
  write_file(dir / "in", R"({"jsonrpc":"2.0","method":"Echo","params":[3],"id":1})");
  FILE* in = std::fopen((dir / "in").c_str(), "rb");
  FILE* out = std::fopen((dir / "out").c_str(), "wb");
  server.serve(fileno(in), fileno(out));
  std::fclose(in);
  std::fclose(out);
  EXPECT_EQ(json::parse(read_file(dir / "out"))["result"], 3);
}

// --- registry file -----------------------------------------------------------

ServerRegistration java_generator(const std::string& command) {
  return {"QnJava7.Generator", "{1150E36F-5DB6-4EFB-8CCC-98D9AB3A6385}",
          "{39706BC7-11FE-11D2-AD45-0020AFF6BDBB}", command, "Quenora Java Generator"};
}

TEST(RunControlRegistry, WritesReplacesAndKeepsOtherEntries) {
  TempDir dir;
  const std::string file = dir / "deep/er/registry.ini";
  write_file(file, "; kept\r\n[Other.Server]\r\nCLSID={X}\r\nLocalServer32=/x/other\r\n");
  std::string error;
  ASSERT_TRUE(register_server(java_generator("/old/qnjavagen -Automation"), file, &error)) << error;
  ASSERT_TRUE(register_server(java_generator("/new/qnjavagen -Automation"), file, &error)) << error;

  EXPECT_EQ(read_file(file),
            "; kept\n"
            "[Other.Server]\n"
            "CLSID={X}\n"
            "LocalServer32=/x/other\n"
            "[QnJava7.Generator]\n"
            "CLSID={1150E36F-5DB6-4EFB-8CCC-98D9AB3A6385}\n"
            "Interface={39706BC7-11FE-11D2-AD45-0020AFF6BDBB}\n"
            "LocalServer32=/new/qnjavagen -Automation\n"
            "DisplayName=Quenora Java Generator\n");

  auto found = find_server("qnjava7.generator", file);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->command, "/new/qnjavagen -Automation");
  EXPECT_EQ(found->display_name, "Quenora Java Generator");
  EXPECT_EQ(find_server("Other.Server", file)->command, "/x/other");
  EXPECT_FALSE(find_server("Missing.Server", file));
  EXPECT_FALSE(find_server("QnJava7.Generator", dir / "no-such-file"));
}

TEST(RunControlRegistry, UnwritableFileKeepsTheOldOneAndSaysWhy) {
  TempDir dir;
  write_file(dir / "blocker", "a file where a folder should be");
  std::string error;
  EXPECT_FALSE(
      register_server(java_generator("/x -Automation"), dir / "blocker/registry.ini", &error));
  EXPECT_NE(error.find("blocker"), std::string::npos) << error;
}

TEST(RunControlRegistry, CommandsWithBlanksSurviveTheRoundTrip) {
  const std::vector<std::vector<std::string>> cases = {
      {"/opt/qn/bin/qnjavagen", "-Automation"},
      {"/home/a b/My \"Gen\"/qnjavagen", "-Automation"},
      {"/path\\with\\backslash", "-Embedding", "x y"},
  };
  for (const auto& words : cases) {
    std::vector<std::string> args(words.begin() + 1, words.end());
    EXPECT_EQ(split_command(make_command(words[0], args)), words);
  }
  EXPECT_EQ(make_command("/opt/qn/qnjavagen", {"-Automation"}), "/opt/qn/qnjavagen -Automation");
}

TEST(RunControlRegistry, FileLocationFollowsTheEnvironment) {
  struct Case {
    const char* override_file;
    const char* xdg;
    const char* home;
    const char* expected;
  };
  const Case cases[] = {
      {"/t/reg.ini", "/xdg", "/h", "/t/reg.ini"},
      {nullptr, "/xdg", "/h", "/xdg/quenora/registry.ini"},
      {"", "/xdg", "/h", "/xdg/quenora/registry.ini"},
      {nullptr, "relative", "/h", "/h/.local/share/quenora/registry.ini"},
      {nullptr, nullptr, "/h", "/h/.local/share/quenora/registry.ini"},
  };
  auto set = [](const char* name, const char* value) {
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  };
  const char* saved_home = std::getenv("HOME");
  std::string home = saved_home ? saved_home : "";
  for (const Case& c : cases) {
    set("QN_REGISTRY_FILE", c.override_file);
    set("XDG_DATA_HOME", c.xdg);
    set("HOME", c.home);
    EXPECT_EQ(registry_file_path(), c.expected);
  }
  ::unsetenv("QN_REGISTRY_FILE");
  ::unsetenv("XDG_DATA_HOME");
  set("HOME", saved_home ? home.c_str() : nullptr);
}

}  // namespace
}  // namespace qn::platform
