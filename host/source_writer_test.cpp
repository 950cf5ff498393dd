#include "host/source_writer.h"

#include "host/error_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace qn::host {
namespace {

namespace fs = std::filesystem;

// A small builder of term-value trees: V(1), V("a"), V({...}) for a list.
struct V {
  TermValue node;
  V(int i) { term_new(node, kTermInt, 0, i); }
  V(const char* s) {
    term_new(node, kTermAtom, 0, 0);
    term_alloc_text(node, s);
  }
  V(double d) {
    term_new(node, kTermReal, 0, 0);
    term_set_real(node, d);
  }
  V(std::initializer_list<V> items) {
    node = V("[]").node;
    for (auto it = std::rbegin(items); it != std::rend(items); ++it) {
      TermValue cell;
      term_new(cell, kTermCompound, 2, 1);
      term_alloc_text(cell, ".");
      term_set_arg(1, cell, it->node);
      term_set_arg(2, cell, std::move(node));
      node = std::move(cell);
    }
  }
};

struct Recorded {
  std::vector<std::string> status;
  std::vector<int> counts;
  std::vector<std::string> errors;
};

class WriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("qn_writer_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    WriterHost h;
    h.show_status = [this](std::string_view t) { rec_.status.emplace_back(t); };
    h.set_line_count = [this](int n) { rec_.counts.push_back(n); };
    h.show_error = [this](std::string_view t) { rec_.errors.emplace_back(t); };
    h.model_dir = [this] { return dir_.string(); };
    h.generator_dir = [] { return std::string(); };
    w_.set_host(std::move(h));
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string read(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(path(name), std::ios::binary) << text;
  }

  fs::path dir_;
  Recorded rec_;
  SourceWriter w_;
};

TEST_F(WriterTest, LineFormat) {
  struct Case {
    const char* name;
    V lines;
    bool ok;
    const char* text;
  } cases[] = {
      {"pieces joined by one blank", {{"public", "class", "X", "{"}}, true, "public class X {\n"},
      {"integers in decimal", {{"a", 12, -3}}, true, "a 12 -3\n"},
      {"an empty piece keeps its blank", {{"a", "", "b"}}, true, "a  b\n"},
      {"trailing blanks and tabs removed", {{"a  ", "\t"}}, true, "a\n"},
      {"[] is an empty line", {"[]", {"x"}}, true, "\nx\n"},
      {"margin lines",
       {{0, 3, {"if", "a", "{"}}, {"b();"}, {-3, 0, {"}"}}},
       true,
       "if a {\n   b();\n}\n"},
      {"margin line with empty items", {{2, 0, "[]"}, {"x"}}, true, "\n  x\n"},
      {"negative margin counts as 0", {{-5, 0, {"x"}}, {2, 0, {"y"}}}, true, "x\n  y\n"},
      // The running margin keeps its sign until a margin line applies it.
      {"margin after going negative", {{0, -4, {"x"}}, {"y"}, {6, 0, {"z"}}}, true, "x\ny\n  z\n"},
      {"a line that is not a list fails", {{"a"}, "b", {"c"}}, false, "a\n"},
      {"a margin line with a text margin fails", {{"a", 0, {"x"}}}, false, ""},
      {"a real piece fails", {{"a", 1.5}}, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    w_.set_output_path(path("out.txt"));
    ASSERT_TRUE(w_.open_output_file());
    EXPECT_EQ(w_.output_lines(c.lines.node), c.ok);
    EXPECT_TRUE(w_.close_output_file());
    EXPECT_EQ(read(path("out.txt")), c.text);
  }
}

TEST_F(WriterTest, OpenShowsPathAndCountsLines) {
  w_.set_output_path(path("a.txt"));
  ASSERT_TRUE(w_.open_output_file(0, "", ""));
  EXPECT_EQ(rec_.status, std::vector<std::string>{"Generating to " + path("a.txt")});
  EXPECT_TRUE(w_.output_lines(V{{"x"}, {"y"}, "[]"}.node));
  EXPECT_EQ(rec_.counts, (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(w_.close_output_file());
  EXPECT_EQ(w_.line_count(), 0);
  // The margin starts at 0 in every file.
  w_.set_output_path(path("b.txt"));
  ASSERT_TRUE(w_.open_output_file());
  w_.output_lines(V{{4, 0, {"x"}}}.node);
  w_.close_output_file();
  w_.open_output_file();
  w_.output_lines(V{{"y"}}.node);
  w_.close_output_file();
  EXPECT_EQ(read(path("b.txt")), "y\n");
}

// /dev/full is a disk that is always full. Lines are buffered, so the error
// shows when the buffer goes out or at close; either way one box, the rest
// of the file fails, and the next file starts clean even when the failed
// one was never closed (as the rules leave it when they give up an object).
TEST_F(WriterTest, WriteErrorShowsOneBoxAndFailsTheFile) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  const std::string long_line(1000, 'x');
  struct Case {
    const char* name;
    bool fills_buffer;
    bool closed;
  } cases[] = {
      {"error found at close", false, true},
      {"error found when the buffer goes out", true, true},
      {"failed file never closed", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rec_.errors.clear();
    w_.set_output_path("/dev/full");
    ASSERT_TRUE(w_.open_output_file());
    EXPECT_TRUE(w_.output_lines(V{{"a"}}.node));
    if (c.fills_buffer) {
      bool written = true;
      for (size_t n = 0; written && n <= SourceWriter::kBufferSize; n += long_line.size()) {
        written = w_.write_line(long_line);
      }
      EXPECT_FALSE(written);
      EXPECT_FALSE(w_.output_lines(V{{"b"}, {"c"}}.node));
      EXPECT_EQ(rec_.errors.size(), 1u);
    }
    if (c.closed) {
      EXPECT_FALSE(w_.close_output_file());
      // Closed again with nothing open, the failed file is still no success.
      EXPECT_FALSE(w_.close_output_file());
    }
    ASSERT_EQ(rec_.errors.size(), 1u);
    EXPECT_EQ(rec_.errors[0], MessageText(SourceWriter::kWriteErrorMsg));

    w_.set_output_path(path("next.txt"));
    ASSERT_TRUE(w_.open_output_file());
    EXPECT_TRUE(w_.output_lines(V{{"ok"}}.node));
    EXPECT_TRUE(w_.close_output_file());
    EXPECT_EQ(read(path("next.txt")), "ok\n");
    EXPECT_EQ(rec_.errors.size(), 1u);
  }
}

// A file of many lines arrives whole through the buffer.
TEST_F(WriterTest, BufferedLinesArriveWhole) {
  w_.set_output_path(path("big.txt"));
  ASSERT_TRUE(w_.open_output_file());
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    ASSERT_TRUE(w_.write_line("line " + std::to_string(i)));
    expected += "line " + std::to_string(i) + "\n";
  }
  EXPECT_TRUE(w_.close_output_file());
  EXPECT_EQ(read(path("big.txt")), expected);
}

TEST_F(WriterTest, OpenFailureFailsUntilClosed) {
  w_.set_output_path(path("missing/dir/x.txt"));
  EXPECT_FALSE(w_.open_output_file());
  EXPECT_FALSE(w_.output_lines(V{{"a"}}.node));
  EXPECT_FALSE(w_.close_output_file());
  // One box says which file and why, and what to do.
  ASSERT_EQ(rec_.errors.size(), 1u);
  EXPECT_NE(rec_.errors[0].find("missing/dir/x.txt cannot be written: No such file or directory."),
            std::string::npos)
      << rec_.errors[0];
  w_.set_output_path(path("x.txt"));
  EXPECT_TRUE(w_.open_output_file());
  EXPECT_TRUE(w_.close_output_file());
  // No file open at all: lines are refused, nothing crashes.
  EXPECT_FALSE(w_.output_lines(V{{"a"}}.node));
}

TEST_F(WriterTest, OutputPath) {
  struct Case {
    std::string name;
    std::string path;
  } cases[] = {
      {"Foo.java", dir_.string() + "\\Foo.java"},
      {"sub\\Foo.java", "sub\\Foo.java"},
      {"sub/Foo.java", "sub/Foo.java"},
      {".\\sm11_3.ari", "sm11_3.ari"},
      {std::string(300, 'x') + "\\a", std::string(300, 'x').substr(0, 259)},
  };
  for (const Case& c : cases) {
    w_.set_output_path(c.name);
    EXPECT_EQ(w_.output_path(), c.path) << c.name;
  }
  // Without a model directory a bare name stays relative to the current
  // directory.
  WriterHost no_model_dir = w_.host();
  no_model_dir.model_dir = [] { return std::string(); };
  SourceWriter plain;
  plain.set_host(no_model_dir);
  plain.set_output_path("Foo.java");
  EXPECT_EQ(plain.output_path(), "Foo.java");
  // A bare name lands in the model directory.
  w_.set_output_path("Bare.java");
  ASSERT_TRUE(w_.open_output_file());
  w_.output_lines(V{{"class", "Bare", "{}"}}.node);
  EXPECT_TRUE(w_.close_output_file());
  EXPECT_EQ(read(path("Bare.java")), "class Bare {}\n");
}

TEST_F(WriterTest, Templates) {
  struct Case {
    const char* name;
    const char* tpl;
    V args;
    bool ok;
    const char* text;
  } cases[] = {
      {"text argument", "x = #1;\n", {"a"}, true, "x = a;\n"},
      {"integer argument", "n=#1\n", {42}, true, "n=42\n"},
      {"list argument repeats the line", "x = #1;\n", {{"a", "b"}}, true, "x = a;\nx = b;\n"},
      {"an empty list removes the line", "x = #1;\ny\n", {"[]"}, true, "y\n"},
      {"plain and list placeholders",
       "#1(#2, #3)\n",
       {"f", {1, 2, 3}, {"p", "q"}},
       true,
       "f(1, p)\nf(2, q)\n"},
      {"#12 is argument 12",
       "#12\n",
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, "twelve"},
       true,
       "twelve\n"},
      {"## is one #", "##1 #1\n", {"a"}, true, "#1 a\n"},
      {"no placeholder", "plain line\n\n", {}, true, "plain line\n\n"},
      {"last line without newline fails", "a\nb", {}, false, "a\n"},
      {"missing argument fails", "a\n#2\nc\n", {"x"}, false, "a\n"},
      {"a real argument fails", "#1\n", {1.5}, false, ""},
      {"a stray # fails", "color: #FF\n", {"x"}, false, ""},
      {"missing argument ends the copies", "#1 #2\nz\n", {{"a", "b"}}, true, "z\n"},
      {"backslash joins lines", "a \\\nb\n", {}, true, "a \nb\n"},
      {"double backslash keeps one", "a\\\\\nb\n", {}, true, "a\\\nb\n"},
      {"CRLF template", "x #1\r\ny\r\n", {"v"}, true, "x v\ny\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    write("t.tpl", c.tpl);
    w_.set_output_path(path("out.txt"));
    ASSERT_TRUE(w_.open_output_file());
    EXPECT_EQ(w_.print_template(path("t.tpl"), V(0).node, V(0).node, c.args.node), c.ok);
    EXPECT_TRUE(w_.close_output_file());
    EXPECT_EQ(read(path("out.txt")), c.text);
  }
}

TEST_F(WriterTest, TemplateLookupAndMargin) {
  w_.set_output_path(path("out.txt"));
  ASSERT_TRUE(w_.open_output_file());
  EXPECT_FALSE(w_.print_template(path("none.tpl"), V(0).node, V(0).node, V{}.node));
  EXPECT_FALSE(w_.print_template(std::string(260, 'a'), V(0).node, V(0).node, V{}.node));
  // Found in the generator directory, written at the running margin.
  fs::create_directories(dir_ / "gen");
  std::ofstream(dir_ / "gen" / "g.tpl") << "<#1>\n";
  WriterHost h = w_.host();
  h.generator_dir = [this] { return (dir_ / "gen").string(); };
  w_.set_host(h);
  w_.output_lines(V{{0, 2, {"{"}}}.node);
  EXPECT_TRUE(w_.print_template("g.tpl", V(0).node, V(0).node, V{"x"}.node));
  EXPECT_TRUE(w_.close_output_file());
  EXPECT_EQ(read(path("out.txt")), "{\n  <x>\n");
}

// A folder is no template: the search goes past one of the same name, and
// one reached anyway fails the expansion with nothing written.
TEST_F(WriterTest, TemplateIsARegularFile) {
  fs::create_directories(dir_ / "gen");
  std::ofstream(dir_ / "gen" / "f.tpl") << "found\n";
  fs::create_directories(dir_ / "work" / "f.tpl");
  const fs::path old = fs::current_path();
  fs::current_path(dir_ / "work");
  WriterHost h = w_.host();
  h.generator_dir = [this] { return (dir_ / "gen").string(); };
  w_.set_host(h);
  EXPECT_EQ(w_.locate_template("f.tpl"), (dir_ / "gen" / "f.tpl").string());
  fs::current_path(old);

  w_.set_output_path(path("out.txt"));
  ASSERT_TRUE(w_.open_output_file());
  int margin = 0;
  EXPECT_FALSE(expand_template_file((dir_ / "work" / "f.tpl").string(), V(0).node, V(0).node,
                                    V{}.node, margin, w_));
  EXPECT_TRUE(w_.close_output_file());
  EXPECT_EQ(read(path("out.txt")), "");
}

}  // namespace
}  // namespace qn::host
